// An HTTP/1.1 server on one local address, made so that no client can stall it or make it
// keep much: one thread reads and writes every connection without waiting on any, each
// request must come whole within a deadline and each answer be taken within another, and
// the answers are made on a few threads of their own. Slow or greedy clients lose their
// connection; the others are answered all along.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "emulator/drivers/web/http_request.h"
#include "emulator/drivers/web/http_response.h"

namespace emulator {

struct HttpServerLimits {
    // From a request's first byte (or the connection's opening) to its last.
    std::chrono::milliseconds requestDeadline{10000};
    // For a client to take an answer.
    std::chrono::milliseconds answerDeadline{10000};
    // Threads that make answers: as many requests are answered at once.
    size_t answeringThreads = 8;
    // Connections held at once; more wait in the system's queue.
    size_t maxConnections = 1024;
    // The system's queue of connections not yet taken.
    int waitingConnections = 256;
};

// What the server asks of its owner.
struct HttpService {
    // Answers a whole request; on one of the answering threads.
    std::function<HttpResponse(const HttpRequest&)> answer;
    // The answer to a request the server refuses by itself (not HTTP, over a bound, late).
    std::function<HttpResponse(const HttpRefusal&)> refuse;
};

class HttpServer {
  public:
    HttpServer(HttpService service, HttpServerLimits limits = {});
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Listens on 127.0.0.1:PORT, or a free port for 0; answers the port. The port is this
    // server's alone. Throws std::runtime_error when it cannot.
    int Bind(int port);
    // Serves until Stop; on a thread of its own.
    void Run();
    // Safe from any thread, before or during Run. Run returns once the answers under way
    // have gone out (two seconds at most); no other request is read.
    void Stop();

  private:
    struct Connection;
    struct Answer {
        uint64_t connection;
        std::string bytes;
        bool close;
    };

    void Answering();
    void Accept();
    void Wake();
    void TakeAnswers();
    void ReadFrom(Connection& connection);
    // Reads what the buffer holds: a request goes to the answering threads.
    void Process(Connection& connection);
    void WriteTo(Connection& connection);
    void StartWriting(Connection& connection, std::string bytes, bool close);
    void Refuse(Connection& connection, const HttpRefusal& refusal);
    void MeetDeadlines();
    void Close(uint64_t id);
    // When stopping: the answers under way still go out, nothing else is read.
    void CloseAllButAnswersUnderWay();

    HttpService service_;
    HttpServerLimits limits_;
    int listening_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::atomic<bool> stopping_{false};
    // The serving thread's own.
    std::map<uint64_t, std::unique_ptr<Connection>> connections_;
    uint64_t nextId_ = 1;

    // Requests waiting for an answering thread, and the answers made.
    std::mutex mutex_;
    std::condition_variable work_;
    std::deque<std::pair<uint64_t, HttpRequest>> requests_;
    std::vector<Answer> answers_;
    bool answeringEnds_ = false;
    std::vector<std::thread> answering_;
};

}  // namespace emulator
