#include "emulator/drivers/web/request_rules.h"

#include <array>

namespace emulator {
namespace {

// The names of this machine a page of the server is opened at.
constexpr std::array<const char*, 2> kLoopbackNames = {"127.0.0.1", "localhost"};

}  // namespace

std::optional<std::string> RefusedClient(const std::string& remote) {
    if (remote == "127.0.0.1" || remote == "::1" || remote == "::ffff:127.0.0.1")
        return std::nullopt;
    return "only this machine may use the host (request from " + remote + ")";
}

std::optional<std::string> RefusedHost(const std::string& host, int port) {
    for (const char* name : kLoopbackNames)
        if (host == std::string(name) + ':' + std::to_string(port)) return std::nullopt;
    return "the request names another host (Host: \"" + host + "\")";
}

std::optional<std::string> RefusedOrigin(const std::string& origin, int port) {
    if (origin.empty()) return std::nullopt;
    for (const char* name : kLoopbackNames)
        if (origin == "http://" + std::string(name) + ':' + std::to_string(port))
            return std::nullopt;
    return "the request comes from another site (Origin: \"" + origin + "\")";
}

std::optional<std::string> MalformedActionLine(const std::string& body) {
    if (body.empty()) return "the request holds no action line";
    if (body.size() > kMaxRequestBody) return "the action line is longer than the host takes";
    if (body.find_first_of("\r\n") != std::string::npos)
        return "the request holds more than one line: send one action at a time";
    return std::nullopt;
}

}  // namespace emulator
