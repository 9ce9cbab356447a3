// The host's web server: the page's files and the page's requests to its session, over
// HTTP on the loopback interface only (docs/web.md lists the requests).
#pragma once

#include <optional>
#include <string>

#include "emulator/drivers/web/http_server.h"
#include "emulator/drivers/web/page_files.h"
#include "emulator/drivers/web/session.h"

namespace emulator {

class WebServer {
  public:
    WebServer(WebSession& session, const PageFiles& page);

    // Binds 127.0.0.1:PORT, or a free port for 0, and answers the port. Throws
    // std::runtime_error when it cannot.
    int Bind(int port);
    // The address to open, once bound: it carries the session's token.
    std::string Address() const;
    // Answers requests until Stop; on a thread of its own.
    void Listen() { server_.Run(); }
    // Safe from any thread.
    void Stop() { server_.Stop(); }

  private:
    HttpResponse Answer(const HttpRequest& request) const;
    // The answer of the route REQUEST asks for.
    HttpResponse Route(const HttpRequest& request) const;
    // Why REQUEST is refused before any route sees it (it comes from anywhere but this
    // machine's page), or nothing.
    std::optional<std::string> Refusal(const HttpRequest& request) const;
    // Whether REQUEST opens the printed address, token included.
    static bool OpensTheAddress(const HttpRequest& request);
    // The answer to the page that opens the address: the token as its cookie.
    HttpResponse OpenWithTheToken(const HttpRequest& request) const;

    WebSession& session_;
    const PageFiles& page_;
    const std::string token_;
    int port_ = 0;
    HttpServer server_;
};

}  // namespace emulator
