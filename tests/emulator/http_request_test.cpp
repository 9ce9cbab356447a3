// How the web server reads a request from what a client sends: whole requests however the
// bytes are split, and the bounds that keep a greedy or broken client from making the host
// keep more than a few kilobytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/drivers/web/http_request.h"

namespace {

using emulator::HttpRequest;
using emulator::RequestReader;
using Step = RequestReader::Step;

// What reading BYTES gives, fed CHUNK bytes at a time: the requests taken, then the
// refusal's status (0 for none) and whether the reader still waits for more.
struct Reading {
    std::vector<HttpRequest> requests;
    int refusal = 0;
    bool waiting = false;
    bool continued = false;
};

Reading Read(const std::string& bytes, size_t chunk) {
    Reading reading;
    RequestReader reader;
    std::string buffer;
    for (size_t at = 0; at < bytes.size() && reading.refusal == 0; at += chunk) {
        buffer += bytes.substr(at, chunk);
        for (;;) {
            Step step = reader.Read(buffer);
            if (step == Step::kRequest) {
                reading.requests.push_back(reader.TakeRequest());
                continue;
            }
            if (step == Step::kContinue) {
                reading.continued = true;
                continue;
            }
            if (step == Step::kRefused) reading.refusal = reader.Refusal().status;
            break;
        }
    }
    reading.waiting = reading.refusal == 0 && reader.Started(buffer);
    return reading;
}

std::string Headers(size_t count) {
    std::string headers;
    for (size_t k = 0; k < count; ++k) headers += "X-Filler-" + std::to_string(k) + ": x\r\n";
    return headers;
}

TEST(HttpRequest, ARequestReadsTheSameHoweverItsBytesAreSplit) {
    const std::string bytes =
        "POST /action?token=ab%20c&x=1+2&token=second HTTP/1.1\r\nHost: 127.0.0.1:80\r\n"
        "Content-Length: 11\r\nCookie: a=b\r\n\r\nclick 10 20"
        "GET /pictures/%C3%A9t%C3%A9.svg HTTP/1.1\nHost: h\nConnection: close\n\n";
    for (size_t chunk : {bytes.size(), size_t{1}, size_t{2}, size_t{3}, size_t{7}}) {
        SCOPED_TRACE(chunk);
        Reading reading = Read(bytes, chunk);
        ASSERT_EQ(reading.requests.size(), 2u);
        EXPECT_EQ(reading.refusal, 0);
        EXPECT_FALSE(reading.waiting);
        const HttpRequest& post = reading.requests[0];
        EXPECT_EQ(post.method, "POST");
        EXPECT_EQ(post.path, "/action");
        EXPECT_EQ(post.query.at("token"), "ab c");  // the first of a repeated name
        EXPECT_EQ(post.query.at("x"), "1 2");
        EXPECT_EQ(post.Header("host"), "127.0.0.1:80");
        EXPECT_EQ(post.Header("cookie"), "a=b");
        EXPECT_EQ(post.body, "click 10 20");
        EXPECT_TRUE(post.keepAlive);
        const HttpRequest& get = reading.requests[1];
        EXPECT_EQ(get.path, "/pictures/\xC3\xA9t\xC3\xA9.svg");
        EXPECT_TRUE(get.body.empty());
        EXPECT_FALSE(get.keepAlive);
    }
}

TEST(HttpRequest, AnUnfinishedRequestWaitsAndAnIdleConnectionDoesNot) {
    EXPECT_TRUE(Read("GET / HTTP/1.1\r\nHost: h\r\n", 4).waiting);
    EXPECT_TRUE(Read("POST /action HTTP/1.1\r\nContent-Length: 5\r\n\r\nab", 4).waiting);
    Reading whole = Read("GET / HTTP/1.1\r\n\r\n", 4);
    EXPECT_EQ(whole.requests.size(), 1u);
    EXPECT_FALSE(whole.waiting);
}

TEST(HttpRequest, AClientWaitingToSendItsBodyIsAskedForItOnce) {
    Reading reading =
        Read("POST /action HTTP/1.1\r\nExpect: 100-continue\r\nContent-Length: 4\r\n\r\nquit", 1);
    EXPECT_TRUE(reading.continued);
    ASSERT_EQ(reading.requests.size(), 1u);
    EXPECT_EQ(reading.requests[0].body, "quit");
}

TEST(HttpRequest, HttpTenClosesUnlessItAsksToKeepTheConnection) {
    EXPECT_FALSE(Read("GET / HTTP/1.0\r\n\r\n", 64).requests.at(0).keepAlive);
    EXPECT_TRUE(
        Read("GET / HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\n", 64).requests.at(0).keepAlive);
}

struct RefusedCase {
    const char* what;
    std::string bytes;
    int status;
};

TEST(HttpRequest, RequestsOverABoundOrNotHttpAreRefusedBeforeTheirRestIsRead) {
    const std::string head = "GET / HTTP/1.1\r\n";
    const std::vector<RefusedCase> cases = {
        {"a head without end, longer than the bound",
         head + "X-Long: " + std::string(emulator::kMaxRequestHead, 'x'), 431},
        {"a whole head longer than the bound",
         head + "X-Long: " + std::string(emulator::kMaxRequestHead, 'x') + "\r\n\r\n", 431},
        {"more header lines than the bound", head + Headers(emulator::kMaxHeaderLines + 1) + "\r\n",
         431},
        {"a body announced longer than the bound, none of it sent",
         "POST /action HTTP/1.1\r\nContent-Length: " +
             std::to_string(emulator::kMaxRequestBody + 1) + "\r\n\r\n",
         413},
        {"a length beyond any integer",
         "POST / HTTP/1.1\r\nContent-Length: 99999999999999999999999\r\n\r\n", 413},
        {"a length that is not a number", "POST / HTTP/1.1\r\nContent-Length: -1\r\n\r\n", 400},
        {"two lengths", "POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 1\r\n\r\nx", 400},
        {"two hosts", head + "Host: a\r\nHost: b\r\n\r\n", 400},
        {"a chunked body", "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n", 501},
        {"another version", "GET / HTTP/2.0\r\n\r\n", 505},
        {"no version", "GET /\r\n\r\n", 400},
        {"a target that is not a path", "GET http://elsewhere/ HTTP/1.1\r\n\r\n", 400},
        {"a broken escape in the path", "GET /a%2 HTTP/1.1\r\n\r\n", 400},
        {"a broken escape in the query", "GET /?token=%zz HTTP/1.1\r\n\r\n", 400},
        {"a header line without a colon", head + "Host 127.0.0.1\r\n\r\n", 400},
        {"a folded header line", head + "Host: a\r\n  b\r\n\r\n", 400},
        {"a method that is not a word", "G(T / HTTP/1.1\r\n\r\n", 400},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.what);
        for (size_t chunk : {c.bytes.size(), size_t{1000}}) {
            Reading reading = Read(c.bytes, chunk);
            EXPECT_EQ(reading.refusal, c.status);
            EXPECT_TRUE(reading.requests.empty());
        }
    }
}

TEST(HttpRequest, TheBoundsThemselvesAreTaken) {
    std::string body(emulator::kMaxRequestBody, 'b');
    Reading reading =
        Read("POST /action HTTP/1.1\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
                 Headers(emulator::kMaxHeaderLines - 1) + "\r\n" + body,
             512);
    ASSERT_EQ(reading.requests.size(), 1u);
    EXPECT_EQ(reading.requests[0].body, body);
}

}  // namespace
