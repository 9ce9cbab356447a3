#include "emulator/drivers/web/web_server.h"

#include <optional>
#include <string>

#include "emulator/common/json.h"
#include "emulator/drivers/web/http_request.h"
#include "emulator/drivers/web/request_rules.h"

namespace emulator {
namespace {

HttpResponse Reply(const WebReply& reply) {
    return {reply.status, reply.contentType, reply.body, {}, false};
}

HttpResponse Refused(int status, const std::string& reason) {
    // A reason may quote what the client sent, which need not be UTF-8.
    return Reply({status,
                  Json{{"error", reason}}.dump(-1, ' ', false, Json::error_handler_t::replace),
                  kJsonType});
}

// Answers that may be shown in no other site's frame, sniffed as no other type, and tell
// no other site where the user came from (the address carries the token).
HttpResponse WithEveryAnswersHeaders(HttpResponse response) {
    for (const auto& [name, value] : {std::pair{"X-Frame-Options", "DENY"},
                                      {"Content-Security-Policy", "frame-ancestors 'none'"},
                                      {"X-Content-Type-Options", "nosniff"},
                                      {"Referrer-Policy", "no-referrer"}})
        response.SetHeader(name, value);
    return response;
}

// The number at the end of PATH after PREFIX: one to five digits.
std::optional<int> NumberAfter(const std::string& path, const std::string& prefix) {
    if (path.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    std::string digits = path.substr(prefix.size());
    if (digits.empty() || digits.size() > 5 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(digits);
}

}  // namespace

WebServer::WebServer(WebSession& session, const PageFiles& page)
    : session_(session),
      page_(page),
      token_(NewSessionToken()),
      server_(
          {[this](const HttpRequest& request) { return WithEveryAnswersHeaders(Answer(request)); },
           [](const HttpRefusal& refusal) {
               return WithEveryAnswersHeaders(Refused(refusal.status, refusal.reason));
           }}) {}

std::optional<std::string> WebServer::Refusal(const HttpRequest& request) const {
    std::optional<std::string> reason = RefusedClient(request.remote);
    if (!reason) reason = RefusedHost(request.Header("host"), port_);
    if (!reason) reason = RefusedOrigin(request.Header("origin"), port_);
    if (!reason && !OpensTheAddress(request))
        reason = RefusedCredential(request.Header("cookie"), token_, port_);
    return reason;
}

HttpResponse WebServer::Answer(const HttpRequest& request) const {
    if (std::optional<std::string> reason = Refusal(request)) {
        HttpResponse refused = Refused(403, *reason);
        // What the client still sends is not read.
        refused.close = true;
        return refused;
    }
    if (OpensTheAddress(request)) return OpenWithTheToken(request);
    return Route(request);
}

bool WebServer::OpensTheAddress(const HttpRequest& request) {
    return request.path == "/" && request.query.contains("token");
}

HttpResponse WebServer::OpenWithTheToken(const HttpRequest& request) const {
    if (!SameToken(request.query.at("token"), token_))
        return Refused(403,
                       "the address's token is not this session's: open the address ortaq-host "
                       "serve printed");
    // The page keeps the token as a cookie no script reads and no other site sends, and the
    // address bar loses it.
    HttpResponse response{303, "", "", {}, false};
    response.SetHeader("Location", "/");
    response.SetHeader("Set-Cookie", TokenCookieName(port_) + "=" + token_ +
                                         "; Path=/; HttpOnly; SameSite=Strict");
    response.SetHeader("Cache-Control", "no-store");
    return response;
}

HttpResponse WebServer::Route(const HttpRequest& request) const {
    const std::string& path = request.path;
    if (request.method == "POST") {
        if (path == "/action") return Reply(session_.Act(request.body));
        if (path == kUploadPath) return Reply(session_.OpenDrawing(request.body));
        if (path == "/quit") {
            session_.Quit();
            return Reply({200, Json{{"quitting", true}}.dump(), kJsonType});
        }
        return Refused(404, "nothing is served at that path");
    }
    if (request.method != "GET" && request.method != "HEAD")
        return Refused(405, "the host answers GET, HEAD and POST only");
    if (path == "/screen") return Reply(session_.Screen());
    if (path == "/state") return Reply(session_.State());
    if (path == "/scenario") {
        HttpResponse scenario = Reply(session_.Scenario());
        scenario.SetHeader("Content-Disposition", "attachment; filename=\"ortaq.scn\"");
        return scenario;
    }
    if (path == "/drawing.svg") {
        HttpResponse drawing = Reply(session_.DrawingFile());
        drawing.SetHeader("Content-Disposition", "attachment; filename=\"dessin.svg\"");
        return drawing;
    }
    if (std::optional<int> cursor = NumberAfter(path, "/cursor/"))
        return Reply(session_.CursorPicture(*cursor));
    if (std::optional<int> icon = NumberAfter(path, "/icon/"))
        return Reply(session_.IconPicture(*icon));
    const PageFile* file = page_.Find(path);
    if (file == nullptr) return Refused(404, "the page has no file " + path);
    return {200, file->contentType, file->content, {}, false};
}

int WebServer::Bind(int port) {
    port_ = server_.Bind(port);
    return port_;
}

std::string WebServer::Address() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/?token=" + token_;
}

}  // namespace emulator
