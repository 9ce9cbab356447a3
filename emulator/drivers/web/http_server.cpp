#include "emulator/drivers/web/http_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iostream>
#include <optional>
#include <stdexcept>

namespace emulator {
namespace {

using Clock = std::chrono::steady_clock;

// What one read takes from a connection at most.
constexpr size_t kReadChunk = 16 * 1024;
// How long a refused client's last bytes are read (and dropped) after the refusal is sent,
// so that closing does not reset the connection before the client reads the refusal.
constexpr std::chrono::milliseconds kDrainTime{1000};
// The most the serving thread sleeps with nothing to do: it then looks at the deadlines.
constexpr int kLongestWaitMs = 1000;
// How long a stopping server still gives the answers under way (the answer to the request
// that stopped it, say) to reach their clients.
constexpr std::chrono::milliseconds kStopGrace{2000};

std::string AddressText(const sockaddr_storage& address) {
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in&>(address).sin_addr, text,
                  sizeof text);
    else if (address.ss_family == AF_INET6)
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6&>(address).sin6_addr, text,
                  sizeof text);
    return text;
}

}  // namespace

struct HttpServer::Connection {
    enum class State {
        kReading,    // the next request
        kAnswering,  // its answer is being made
        kWriting,    // the answer goes out
        kDraining,   // refused: the client's last bytes are dropped, then it is closed
    };

    uint64_t id = 0;
    int socket = -1;
    std::string remote;
    State state = State::kReading;
    Clock::time_point deadline;
    std::string received;
    RequestReader reader;
    std::string sending;
    size_t sent = 0;
    bool closeAfterSending = false;
};

HttpServer::HttpServer(HttpService service, HttpServerLimits limits)
    : service_(std::move(service)), limits_(limits) {
    int wake[2];
    if (pipe2(wake, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make the web server's wake-up pipe");
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    for (size_t k = 0; k < limits_.answeringThreads; ++k)
        answering_.emplace_back([this] { Answering(); });
}

HttpServer::~HttpServer() {
    {
        std::lock_guard lock(mutex_);
        answeringEnds_ = true;
    }
    work_.notify_all();
    for (std::thread& thread : answering_) thread.join();
    for (auto& [id, connection] : connections_) ::close(connection->socket);
    if (listening_ >= 0) ::close(listening_);
    ::close(wakeRead_);
    ::close(wakeWrite_);
}

int HttpServer::Bind(int port) {
    auto fail = [&](const std::string& why) -> int {
        if (listening_ >= 0) ::close(listening_);
        listening_ = -1;
        throw std::runtime_error("cannot listen on 127.0.0.1:" + std::to_string(port) + " (" + why +
                                 ")");
    };
    listening_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listening_ < 0) return fail("no socket");
    // A port just left by an earlier server is taken again at once; no SO_REUSEPORT, so no
    // other server shares it.
    int yes = 1;
    ::setsockopt(listening_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (::bind(listening_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return fail("the port is taken or not allowed");
    if (::listen(listening_, limits_.waitingConnections) != 0) return fail("cannot listen");
    socklen_t length = sizeof address;
    ::getsockname(listening_, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

void HttpServer::Stop() {
    stopping_ = true;
    Wake();
}

void HttpServer::Wake() {
    char byte = 1;
    // A full pipe already wakes the serving thread.
    [[maybe_unused]] ssize_t written = ::write(wakeWrite_, &byte, 1);
}

void HttpServer::Answering() {
    for (;;) {
        std::pair<uint64_t, HttpRequest> job;
        {
            std::unique_lock lock(mutex_);
            work_.wait(lock, [this] { return answeringEnds_ || !requests_.empty(); });
            if (answeringEnds_) return;
            job = std::move(requests_.front());
            requests_.pop_front();
        }
        const HttpRequest& request = job.second;
        HttpResponse response;
        try {
            response = service_.answer(request);
        } catch (const std::exception& error) {
            response = service_.refuse({500, error.what()});
        }
        bool keepAlive = request.keepAlive && !response.close;
        Answer answer{job.first, ResponseBytes(response, keepAlive, request.method != "HEAD"),
                      !keepAlive};
        {
            std::lock_guard lock(mutex_);
            answers_.push_back(std::move(answer));
        }
        Wake();
    }
}

void HttpServer::Run() {
    std::vector<pollfd> polled;
    std::vector<uint64_t> polledIds;
    std::optional<Clock::time_point> stopped;
    for (;;) {
        if (stopping_) {
            if (!stopped) stopped = Clock::now() + kStopGrace;
            CloseAllButAnswersUnderWay();
            if (connections_.empty() || Clock::now() >= *stopped) return;
        }
        polled.assign({{wakeRead_, POLLIN, 0}});
        polledIds.assign({0});
        if (!stopping_ && connections_.size() < limits_.maxConnections) {
            polled.push_back({listening_, POLLIN, 0});
            polledIds.push_back(0);
        }
        Clock::time_point now = Clock::now();
        Clock::time_point nextDeadline = now + std::chrono::milliseconds(kLongestWaitMs);
        for (auto& [id, connection] : connections_) {
            using State = Connection::State;
            if (connection->state == State::kAnswering) continue;
            short events = connection->state == State::kWriting ? POLLOUT : POLLIN;
            polled.push_back({connection->socket, events, 0});
            polledIds.push_back(id);
            nextDeadline = std::min(nextDeadline, connection->deadline);
        }
        auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextDeadline - now).count();
        if (::poll(polled.data(), polled.size(), static_cast<int>(std::max<long>(wait, 0))) < 0) {
            if (errno == EINTR) continue;
            std::cerr << "ortaq-host: the web server stops: it cannot wait for its connections\n";
            return;
        }
        if (polled[0].revents != 0) TakeAnswers();
        for (size_t k = 1; k < polled.size(); ++k) {
            if (polled[k].revents == 0) continue;
            if (polled[k].fd == listening_ && polledIds[k] == 0) {
                Accept();
                continue;
            }
            auto found = connections_.find(polledIds[k]);
            if (found == connections_.end()) continue;
            Connection& connection = *found->second;
            if (connection.state == Connection::State::kWriting)
                WriteTo(connection);
            else
                ReadFrom(connection);
        }
        MeetDeadlines();
    }
}

void HttpServer::Accept() {
    while (connections_.size() < limits_.maxConnections) {
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        int socket = ::accept4(listening_, reinterpret_cast<sockaddr*>(&address), &length,
                               SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket < 0) return;  // none waiting, or one that left before it was taken
        // A pointer move is one small request and its answer: sent at once, not held back
        // to be packed with the next.
        int yes = 1;
        ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        auto connection = std::make_unique<Connection>();
        connection->id = nextId_++;
        connection->socket = socket;
        connection->remote = AddressText(address);
        connection->deadline = Clock::now() + limits_.requestDeadline;
        connections_.emplace(connection->id, std::move(connection));
    }
}

void HttpServer::TakeAnswers() {
    char bytes[256];
    while (::read(wakeRead_, bytes, sizeof bytes) > 0) {
    }
    std::vector<Answer> answers;
    {
        std::lock_guard lock(mutex_);
        answers.swap(answers_);
    }
    for (Answer& answer : answers) {
        auto found = connections_.find(answer.connection);
        if (found != connections_.end())
            StartWriting(*found->second, std::move(answer.bytes), answer.close);
    }
}

void HttpServer::ReadFrom(Connection& connection) {
    char bytes[kReadChunk];
    ssize_t count = ::recv(connection.socket, bytes, sizeof bytes, 0);
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
    if (count <= 0) return Close(connection.id);
    if (connection.state == Connection::State::kDraining) return;
    connection.received.append(bytes, static_cast<size_t>(count));
    Process(connection);
}

void HttpServer::Process(Connection& connection) {
    switch (connection.reader.Read(connection.received)) {
        case RequestReader::Step::kMore:
            return;
        case RequestReader::Step::kContinue:
            return StartWriting(connection, kContinueBytes, false);
        case RequestReader::Step::kRefused:
            return Refuse(connection, connection.reader.Refusal());
        case RequestReader::Step::kRequest: {
            HttpRequest request = connection.reader.TakeRequest();
            request.remote = connection.remote;
            connection.state = Connection::State::kAnswering;
            {
                std::lock_guard lock(mutex_);
                requests_.emplace_back(connection.id, std::move(request));
            }
            work_.notify_one();
            return;
        }
    }
}

void HttpServer::Refuse(Connection& connection, const HttpRefusal& refusal) {
    HttpResponse response = service_.refuse(refusal);
    StartWriting(connection, ResponseBytes(response, false, true), true);
}

void HttpServer::StartWriting(Connection& connection, std::string bytes, bool close) {
    connection.state = Connection::State::kWriting;
    connection.sending = std::move(bytes);
    connection.sent = 0;
    connection.closeAfterSending = close;
    connection.deadline = Clock::now() + limits_.answerDeadline;
    WriteTo(connection);
}

void HttpServer::WriteTo(Connection& connection) {
    while (connection.sent < connection.sending.size()) {
        ssize_t count = ::send(connection.socket, connection.sending.data() + connection.sent,
                               connection.sending.size() - connection.sent, MSG_NOSIGNAL);
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return Close(connection.id);
        connection.sent += static_cast<size_t>(count);
    }
    connection.sending.clear();
    if (stopping_) return Close(connection.id);
    if (connection.closeAfterSending) {
        ::shutdown(connection.socket, SHUT_WR);
        connection.state = Connection::State::kDraining;
        connection.deadline = Clock::now() + kDrainTime;
        return;
    }
    connection.state = Connection::State::kReading;
    connection.deadline = Clock::now() + limits_.requestDeadline;
    // A request sent behind the last one is already here.
    if (!connection.received.empty()) Process(connection);
}

void HttpServer::MeetDeadlines() {
    Clock::time_point now = Clock::now();
    std::vector<uint64_t> closed;
    std::vector<Connection*> late;
    for (auto& [id, connection] : connections_) {
        if (connection->state == Connection::State::kAnswering || now < connection->deadline)
            continue;
        // A connection kept open between requests closes quietly; one in the middle of a
        // request is told why.
        if (connection->state == Connection::State::kReading &&
            connection->reader.Started(connection->received))
            late.push_back(connection.get());
        else
            closed.push_back(id);
    }
    for (uint64_t id : closed) Close(id);
    for (Connection* connection : late)
        Refuse(*connection, {408, "the request did not come whole in time"});
}

void HttpServer::CloseAllButAnswersUnderWay() {
    for (auto at = connections_.begin(); at != connections_.end();) {
        Connection& connection = *at->second;
        if (connection.state == Connection::State::kAnswering ||
            connection.state == Connection::State::kWriting) {
            ++at;
            continue;
        }
        ::close(connection.socket);
        at = connections_.erase(at);
    }
}

void HttpServer::Close(uint64_t id) {
    auto found = connections_.find(id);
    if (found == connections_.end()) return;
    ::close(found->second->socket);
    connections_.erase(found);
}

}  // namespace emulator
