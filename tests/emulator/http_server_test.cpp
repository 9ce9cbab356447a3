// The web server under clients that are slow, greedy or never read: each loses its own
// connection, and every other client is answered all along.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "emulator/drivers/web/http_server.h"

namespace {

using namespace std::chrono_literals;
using emulator::HttpServer;
using emulator::HttpServerLimits;

// What the test server answers: "/big" is a body larger than any socket buffer.
constexpr size_t kBigBody = 32 * 1024 * 1024;

emulator::HttpService EchoService() {
    return {
        [](const emulator::HttpRequest& request) {
            emulator::HttpResponse response{200, "text/plain", request.path, {}, false};
            if (request.path == "/big") response.body.assign(kBigBody, 'b');
            return response;
        },
        [](const emulator::HttpRefusal& refusal) {
            return emulator::HttpResponse{refusal.status, "text/plain", refusal.reason, {}, false};
        }};
}

// A server on a free port, serving on its own thread for the test's length.
class RunningServer {
  public:
    explicit RunningServer(HttpServerLimits limits, emulator::HttpService service = EchoService())
        : server_(std::move(service), limits),
          port_(server_.Bind(0)),
          thread_([this] { server_.Run(); }) {}
    ~RunningServer() { Stop(); }
    int Port() const { return port_; }
    void Stop() {
        server_.Stop();
        if (thread_.joinable()) thread_.join();
    }

  private:
    HttpServer server_;
    int port_;
    std::thread thread_;
};

// A client connection; its reads give up after 30 s, so that a server that never answers
// fails the test instead of hanging it.
class Client {
  public:
    explicit Client(int port) : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
        timeval wait{30, 0};
        ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<uint16_t>(port));
        connected_ = ::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~Client() { ::close(socket_); }
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    bool Connected() const { return connected_; }
    bool Send(const std::string& bytes) {
        return ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(bytes.size());
    }
    // Everything the server sends until it closes the connection (or 30 s of silence).
    std::string ReadToEnd() {
        std::string all;
        char bytes[65536];
        for (ssize_t count; (count = ::recv(socket_, bytes, sizeof bytes, 0)) > 0;)
            all.append(bytes, static_cast<size_t>(count));
        return all;
    }
    // One answer of a connection kept open: its head and a body of Content-Length bytes.
    std::string ReadAnswer() {
        std::string answer;
        char byte;
        while (answer.find("\r\n\r\n") == std::string::npos && ::recv(socket_, &byte, 1, 0) == 1)
            answer += byte;
        size_t at = answer.find("Content-Length: ");
        if (at == std::string::npos) return answer;
        size_t length = std::stoul(answer.substr(at + 16));
        for (size_t k = 0; k < length && ::recv(socket_, &byte, 1, 0) == 1; ++k) answer += byte;
        return answer;
    }
    // Whether the server still holds the connection: nothing to read, and no end.
    bool StillOpen() {
        char byte;
        return ::recv(socket_, &byte, 1, MSG_DONTWAIT | MSG_PEEK) < 0 && errno == EAGAIN;
    }

  private:
    int socket_;
    bool connected_ = false;
};

std::string Get(const std::string& path) {
    return "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
}

TEST(HttpServer, ClientsSendingTheirRequestsSlowlyDoNotStallTheOthers) {
    HttpServerLimits limits;
    limits.answeringThreads = 2;
    limits.requestDeadline = 120s;  // longer than the test: the slow clients are not cut off
    RunningServer server(limits);
    std::vector<std::unique_ptr<Client>> slow;
    for (int k = 0; k < 64; ++k) {
        slow.push_back(std::make_unique<Client>(server.Port()));
        ASSERT_TRUE(slow.back()->Send("GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Slow: "));
    }
    for (int k = 0; k < 3; ++k) {
        Client page(server.Port());
        ASSERT_TRUE(page.Send(Get("/screen")));
        EXPECT_EQ(page.ReadAnswer().substr(0, 12), "HTTP/1.1 200");
    }
    for (auto& client : slow) EXPECT_TRUE(client->StillOpen());
}

TEST(HttpServer, ARequestThatDoesNotComeWholeInTimeIsToldSoAndClosed) {
    HttpServerLimits limits;
    limits.requestDeadline = 300ms;
    RunningServer server(limits);
    Client dribbling(server.Port());
    ASSERT_TRUE(dribbling.Connected());
    // A byte at a time, each well within the time between two reads a server may allow, for
    // as long as the server reads them.
    std::string head = "GET / HTTP/1.1\r\n" + std::string(4000, 'X');
    for (char byte : head) {
        if (!dribbling.StillOpen() || !dribbling.Send(std::string(1, byte))) break;
        std::this_thread::sleep_for(20ms);
    }
    std::string answer = dribbling.ReadToEnd();
    EXPECT_EQ(answer.substr(0, 12), "HTTP/1.1 408") << answer;
    EXPECT_NE(answer.find("Connection: close"), std::string::npos);
}

TEST(HttpServer, AClientThatDoesNotTakeItsAnswerLosesItAndTheOthersAreAnswered) {
    HttpServerLimits limits;
    limits.answerDeadline = 300ms;
    RunningServer server(limits);
    Client greedy(server.Port());
    ASSERT_TRUE(greedy.Send(Get("/big")));
    Client page(server.Port());
    ASSERT_TRUE(page.Send(Get("/state")));
    EXPECT_EQ(page.ReadAnswer().substr(0, 12), "HTTP/1.1 200");
    // Past the deadline the server has given up on the answer: what the client still finds
    // is less than the whole.
    std::this_thread::sleep_for(2s);
    EXPECT_LT(greedy.ReadToEnd().size(), kBigBody);
}

TEST(HttpServer, EndlessHeadersAreRefusedAfterTheBound) {
    RunningServer server({});
    Client greedy(server.Port());
    std::string headers = "GET / HTTP/1.1\r\n";
    while (headers.size() < 256 * 1024) headers += "X-Filler: " + std::string(8000, 'x') + "\r\n";
    greedy.Send(headers);  // the server may stop reading before the end
    EXPECT_EQ(greedy.ReadToEnd().substr(0, 12), "HTTP/1.1 431");
}

TEST(HttpServer, RequestsSentTogetherAreAnsweredInTurnOnOneConnection) {
    RunningServer server({});
    Client page(server.Port());
    ASSERT_TRUE(page.Send(Get("/one") + Get("/two") + Get("/three")));
    for (const char* path : {"/one", "/two", "/three"}) {
        std::string answer = page.ReadAnswer();
        EXPECT_EQ(answer.substr(0, 12), "HTTP/1.1 200");
        EXPECT_EQ(answer.substr(answer.size() - std::string(path).size()), path);
    }
    EXPECT_TRUE(page.StillOpen());
}

// The page's Quit is a request whose answer is made as the server is told to stop: the
// answer still reaches the page.
TEST(HttpServer, AnAnswerUnderWayWhenTheServerStopsReachesItsClient) {
    std::promise<void> asked;
    std::promise<void> stopping;
    emulator::HttpService service = EchoService();
    service.answer = [&, echo = service.answer](const emulator::HttpRequest& request) {
        asked.set_value();
        stopping.get_future().wait();
        return echo(request);
    };
    RunningServer server({}, service);
    Client page(server.Port());
    ASSERT_TRUE(page.Send(Get("/quit")));
    asked.get_future().wait();
    std::thread stopper([&server] { server.Stop(); });
    // The server is stopping by the time the answer is made.
    std::this_thread::sleep_for(200ms);
    stopping.set_value();
    EXPECT_EQ(page.ReadAnswer().substr(0, 12), "HTTP/1.1 200");
    stopper.join();
}

}  // namespace
