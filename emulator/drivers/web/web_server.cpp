#include "emulator/drivers/web/web_server.h"

#include <httplib.h>
#include <sys/socket.h>

#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

#include "emulator/common/json.h"
#include "emulator/drivers/web/request_rules.h"

namespace emulator {
namespace {

void Answer(httplib::Response& response, const WebReply& reply) {
    response.status = reply.status;
    response.set_content(reply.body, reply.contentType.c_str());
}

void Refuse(httplib::Response& response, int status, const std::string& reason) {
    Answer(response, {status, Json{{"error", reason}}.dump(), kJsonType});
}

// Answers that may be shown in no other site's frame, sniffed as no other type, and tell
// no other site where the user came from (the address carries the token).
const httplib::Headers kEveryAnswer = {{"X-Frame-Options", "DENY"},
                                       {"Content-Security-Policy", "frame-ancestors 'none'"},
                                       {"X-Content-Type-Options", "nosniff"},
                                       {"Referrer-Policy", "no-referrer"}};

// Requests served at once: a few slow clients hold some, the page is still answered.
constexpr size_t kServingThreads = 32;
// Connections the system keeps waiting for the server to take them.
constexpr int kWaitingConnections = 256;

// The body's length as its header announces it, or nothing when it announces none it can
// hold.
std::optional<unsigned long long> AnnouncedLength(const httplib::Request& request) {
    std::string length = request.get_header_value("Content-Length");
    if (length.empty() || length.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    try {
        return std::stoull(length);
    } catch (const std::out_of_range&) {
        return std::numeric_limits<unsigned long long>::max();
    }
}

// The reason a status the server gives by itself (a request it cannot read) stands for.
std::string ReasonOf(int status) {
    switch (status) {
        case 400:
            return "the request is not well-formed HTTP";
        case 404:
            return "nothing is served at that path";
        case 413:
            return "the request's body is longer than the host takes";
        default:
            return "the request cannot be answered";
    }
}

}  // namespace

WebServer::WebServer(WebSession& session, const PageFiles& page)
    : session_(session),
      page_(page),
      server_(std::make_unique<httplib::Server>()),
      token_(NewSessionToken()) {
    server_->set_payload_max_length(kMaxRequestBody);
    server_->set_default_headers(kEveryAnswer);
    server_->new_task_queue = [] { return new httplib::ThreadPool(kServingThreads); };
    // Called for the listening socket as it is made: the server's port is its alone (no
    // SO_REUSEPORT), and it is kept to set the listening queue.
    server_->set_socket_options([this](socket_t sock) {
        int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        listening_ = sock;
    });
    // A pointer move is one small request and its answer: sent at once, not held back to
    // be packed with the next.
    server_->set_tcp_nodelay(true);
    server_->set_keep_alive_timeout(1);
    Guard();
    Route();
}

WebServer::~WebServer() = default;

std::optional<WebReply> WebServer::Refusal(const httplib::Request& request) const {
    auto refused = [](int status, const std::string& reason) {
        return WebReply{status, Json{{"error", reason}}.dump(), kJsonType};
    };
    std::optional<std::string> reason = RefusedClient(request.remote_addr);
    if (!reason) reason = RefusedHost(request.get_header_value("Host"), port_);
    if (!reason) reason = RefusedOrigin(request.get_header_value("Origin"), port_);
    if (!reason && !OpensWithTheToken(request))
        reason = RefusedCredential(request.get_header_value("Cookie"), token_, port_);
    if (reason) return refused(403, *reason);
    // Before the body is read: a client announcing more than the host takes is not read.
    if (std::optional<unsigned long long> length = AnnouncedLength(request);
        length && *length > kMaxRequestBody)
        return refused(413, ReasonOf(413));
    return std::nullopt;
}

bool WebServer::OpensWithTheToken(const httplib::Request& request) const {
    return request.path == "/" && request.has_param("token");
}

void WebServer::Guard() {
    server_->set_pre_routing_handler(
        [this](const httplib::Request& request, httplib::Response& response) {
            // Every answer is whole: a request for parts (thousands of them, say) gets the whole
            // once. The request is the server's own, read for this call.
            const_cast<httplib::Request&>(request).ranges.clear();
            if (std::optional<WebReply> refusal = Refusal(request)) {
                Answer(response, *refusal);
                // What the client still sends is not read.
                response.set_header("Connection", "close");
                return httplib::Server::HandlerResponse::Handled;
            }
            if (!OpensWithTheToken(request)) return httplib::Server::HandlerResponse::Unhandled;
            if (!SameToken(request.get_param_value("token"), token_)) {
                Refuse(response, 403,
                       "the address's token is not this session's: open the address ortaq-host "
                       "serve printed");
                return httplib::Server::HandlerResponse::Handled;
            }
            // The page keeps the token as a cookie no script reads and no other site sends, and
            // the address bar loses it.
            response.status = 303;
            response.set_header("Location", "/");
            response.set_header("Set-Cookie", TokenCookieName(port_) + "=" + token_ +
                                                  "; Path=/; HttpOnly; SameSite=Strict");
            response.set_header("Cache-Control", "no-store");
            return httplib::Server::HandlerResponse::Handled;
        });
    server_->set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (response.body.empty()) Refuse(response, response.status, ReasonOf(response.status));
    });
}

void WebServer::Route() {
    server_->Post("/action", [this](const httplib::Request& request, httplib::Response& response) {
        Answer(response, session_.Act(request.body));
    });
    server_->Get("/screen", [this](const httplib::Request&, httplib::Response& response) {
        Answer(response, session_.Screen());
    });
    server_->Get("/state", [this](const httplib::Request&, httplib::Response& response) {
        Answer(response, session_.State());
    });
    server_->Get("/scenario", [this](const httplib::Request&, httplib::Response& response) {
        Answer(response, session_.Scenario());
        response.set_header("Content-Disposition", "attachment; filename=\"ortaq.scn\"");
    });
    server_->Get(R"(/cursor/(\d{1,5}))",
                 [this](const httplib::Request& request, httplib::Response& response) {
                     Answer(response, session_.CursorPicture(std::stoi(request.matches[1])));
                 });
    server_->Get(R"(/icon/(\d{1,5}))",
                 [this](const httplib::Request& request, httplib::Response& response) {
                     Answer(response, session_.IconPicture(std::stoi(request.matches[1])));
                 });
    server_->Post("/quit", [this](const httplib::Request&, httplib::Response& response) {
        session_.Quit();
        Answer(response, {200, Json{{"quitting", true}}.dump(), kJsonType});
    });
    server_->Get(R"(/.*)", [this](const httplib::Request& request, httplib::Response& response) {
        const PageFile* file = page_.Find(request.path);
        if (file == nullptr) return Refuse(response, 404, "the page has no file " + request.path);
        response.set_content(file->content, file->contentType.c_str());
    });
}

int WebServer::Bind(int port) {
    port_ = port == 0 ? server_->bind_to_any_port("127.0.0.1")
                      : (server_->bind_to_port("127.0.0.1", port) ? port : -1);
    // cpp-httplib listens with a queue of 5, which drops connections when many clients come
    // at once; listening again sets the queue's length.
    if (port_ >= 0 && ::listen(listening_, kWaitingConnections) != 0) port_ = -1;
    if (port_ < 0) throw std::runtime_error("cannot listen on 127.0.0.1:" + std::to_string(port));
    return port_;
}

std::string WebServer::Address() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/?token=" + token_;
}

void WebServer::Listen() {
    server_->listen_after_bind();
}

void WebServer::Stop() {
    server_->stop();
}

}  // namespace emulator
