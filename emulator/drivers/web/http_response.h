// An answer of the host's web server, and its bytes on the connection.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace emulator {

struct HttpResponse {
    int status = 200;
    std::string contentType;
    std::string body;
    // Besides Content-Type, Content-Length and Connection, which the bytes carry by
    // themselves.
    std::vector<std::pair<std::string, std::string>> headers;
    // The server closes the connection once the answer is sent (what the client still
    // sends is not read).
    bool close = false;

    void SetHeader(const std::string& name, const std::string& value);
};

// RESPONSE as HTTP/1.1 bytes: its head and, but for an answer to HEAD, its body. KEEP_ALIVE
// says whether the connection stays open after it.
std::string ResponseBytes(const HttpResponse& response, bool keepAlive, bool withBody);

// What a client waiting to send its body is told.
constexpr const char* kContinueBytes = "HTTP/1.1 100 Continue\r\n\r\n";

}  // namespace emulator
