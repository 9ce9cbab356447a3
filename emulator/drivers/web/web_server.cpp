#include "emulator/drivers/web/web_server.h"

#include <httplib.h>

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
    : session_(session), page_(page), server_(std::make_unique<httplib::Server>()) {
    server_->set_payload_max_length(kMaxRequestBody);
    // A pointer move is one small request and its answer: sent at once, not held back to
    // be packed with the next.
    server_->set_tcp_nodelay(true);
    server_->set_keep_alive_timeout(1);
    Guard();
    Route();
}

WebServer::~WebServer() = default;

void WebServer::Guard() {
    server_->set_pre_routing_handler(
        [this](const httplib::Request& request, httplib::Response& response) {
            std::optional<std::string> refused = RefusedClient(request.remote_addr);
            if (!refused) refused = RefusedHost(request.get_header_value("Host"), port_);
            if (!refused) refused = RefusedOrigin(request.get_header_value("Origin"), port_);
            if (!refused) return httplib::Server::HandlerResponse::Unhandled;
            Refuse(response, 403, *refused);
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
    if (port_ < 0) throw std::runtime_error("cannot listen on 127.0.0.1:" + std::to_string(port));
    return port_;
}

void WebServer::Listen() {
    server_->listen_after_bind();
}

void WebServer::Stop() {
    server_->stop();
}

}  // namespace emulator
