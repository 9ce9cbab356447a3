// One HTTP/1.1 request as the host's web server takes it, and the reader that takes it from
// the bytes a client sends. The reader holds the bounds a request must keep, so that no
// client makes the host keep more than a few kilobytes for it: a head (request line and
// headers) of at most kMaxRequestHead bytes and kMaxHeaderLines lines, a body of at most
// kMaxRequestBody bytes (kMaxUploadBody for a drawing uploaded) announced by Content-Length
// (refused before it is read), no chunked
// body, and no ranges (every answer is whole).
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace emulator {

constexpr size_t kMaxRequestHead = 16 * 1024;
constexpr size_t kMaxHeaderLines = 64;
// The most a request's body may hold: an action line and then some.
constexpr size_t kMaxRequestBody = 4096;
// A drawing file the page uploads goes to this path alone, which takes up to
// kMaxUploadBody bytes.
constexpr const char* kUploadPath = "/drawing";
constexpr size_t kMaxUploadBody = 16u << 20;

struct HttpRequest {
    std::string method;
    // Percent-decoded, without the query.
    std::string path;
    // The query's parameters, decoded; the first of a repeated name.
    std::map<std::string, std::string> query;
    // In the order sent, names in lower case.
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    // Whether the client keeps the connection for its next request.
    bool keepAlive = true;
    // The client's address, as the server reads it ("127.0.0.1", "::1").
    std::string remote;

    // The header NAME's value (NAME in lower case), empty when it has none.
    std::string Header(const std::string& name) const;
};

// Why a request is not taken: the status to answer and the reason.
struct HttpRefusal {
    int status = 400;
    std::string reason;
};

class RequestReader {
  public:
    enum class Step {
        kMore,      // the request is not whole yet
        kContinue,  // the head is read and the client waits for a "100 Continue" to send the body
        kRequest,   // a whole request, for TakeRequest
        kRefused,   // a request that breaks a bound or is not HTTP, for Refusal
    };

    // Reads the request at the front of BUFFER, the bytes the client has sent so far. A whole
    // request is taken off BUFFER (what follows it is the next request's start); the reader
    // then starts on the next. Bytes are looked at once each, however they are split.
    Step Read(std::string& buffer);
    // After kRequest.
    HttpRequest TakeRequest();
    // After kRefused.
    const HttpRefusal& Refusal() const { return refusal_; }
    // Whether the reader has seen a byte of a request it has not given yet.
    bool Started(const std::string& buffer) const { return head_ || !buffer.empty(); }

  private:
    Step Refuse(int status, std::string reason);
    // Reads the head at the front of BUFFER, HEAD_LENGTH bytes with its blank line.
    Step ReadHead(std::string& buffer, size_t headLength);

    size_t scanned_ = 0;  // bytes of an unfinished head already searched for its end
    std::optional<HttpRequest> head_;
    size_t bodyLength_ = 0;
    bool continueAsked_ = false;
    HttpRequest request_;
    HttpRefusal refusal_;
};

}  // namespace emulator
