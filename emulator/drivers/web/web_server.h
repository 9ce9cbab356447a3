// The host's web server: the page's files and the page's requests to its session, over
// HTTP on the loopback interface only (docs/web.md lists the requests).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "emulator/drivers/web/page_files.h"
#include "emulator/drivers/web/session.h"

namespace httplib {
class Server;
struct Request;
}  // namespace httplib

namespace emulator {

class WebServer {
  public:
    WebServer(WebSession& session, const PageFiles& page);
    ~WebServer();
    WebServer(const WebServer&) = delete;
    WebServer& operator=(const WebServer&) = delete;

    // Binds 127.0.0.1:PORT, or a free port for 0, and answers the port. Throws
    // std::runtime_error when it cannot.
    int Bind(int port);
    // The address to open, once bound: it carries the session's token.
    std::string Address() const;
    // Answers requests until Stop; on a thread of its own.
    void Listen();
    // Safe from any thread.
    void Stop();

  private:
    void Route();
    // Refuses, before any route sees it, a request from anywhere but this machine's page,
    // and gives the page that opens the address the token as its cookie.
    void Guard();
    // The status and reason REQUEST is refused with, or nothing.
    std::optional<WebReply> Refusal(const httplib::Request& request) const;
    // Whether REQUEST opens the address, token included.
    bool OpensWithTheToken(const httplib::Request& request) const;

    WebSession& session_;
    const PageFiles& page_;
    std::unique_ptr<httplib::Server> server_;
    const std::string token_;
    int port_ = 0;
    int listening_ = -1;  // the listening socket, once bound
};

}  // namespace emulator
