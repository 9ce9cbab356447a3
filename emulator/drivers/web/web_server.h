// The host's web server: the page's files and the page's requests to its session, over
// HTTP on the loopback interface only (docs/web.md lists the requests).
#pragma once

#include <memory>

#include "emulator/drivers/web/page_files.h"
#include "emulator/drivers/web/session.h"

namespace httplib {
class Server;
}

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
    // Answers requests until Stop; on a thread of its own.
    void Listen();
    // Safe from any thread.
    void Stop();

  private:
    void Route();
    // Refuses, before any route sees it, a request from anywhere but this machine's page.
    void Guard();

    WebSession& session_;
    const PageFiles& page_;
    std::unique_ptr<httplib::Server> server_;
    int port_ = 0;
};

}  // namespace emulator
