#include "emulator/drivers/web/http_response.h"

namespace emulator {
namespace {

const char* ReasonPhrase(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 303:
            return "See Other";
        case 400:
            return "Bad Request";
        case 403:
            return "Forbidden";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 408:
            return "Request Timeout";
        case 409:
            return "Conflict";
        case 413:
            return "Content Too Large";
        case 431:
            return "Request Header Fields Too Large";
        case 500:
            return "Internal Server Error";
        case 501:
            return "Not Implemented";
        case 503:
            return "Service Unavailable";
        case 505:
            return "HTTP Version Not Supported";
        default:
            return "Status";
    }
}

}  // namespace

void HttpResponse::SetHeader(const std::string& name, const std::string& value) {
    for (auto& header : headers)
        if (header.first == name) {
            header.second = value;
            return;
        }
    headers.emplace_back(name, value);
}

std::string ResponseBytes(const HttpResponse& response, bool keepAlive, bool withBody) {
    std::string bytes = "HTTP/1.1 " + std::to_string(response.status) + ' ' +
                        ReasonPhrase(response.status) + "\r\n";
    if (!response.contentType.empty()) bytes += "Content-Type: " + response.contentType + "\r\n";
    bytes += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    bytes += keepAlive ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
    for (const auto& [name, value] : response.headers) bytes += name + ": " + value + "\r\n";
    bytes += "\r\n";
    if (withBody) bytes += response.body;
    return bytes;
}

}  // namespace emulator
