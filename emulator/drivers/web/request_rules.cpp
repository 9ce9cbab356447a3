#include "emulator/drivers/web/request_rules.h"

#include <array>
#include <cstdint>
#include <random>

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

std::string NewSessionToken() {
    constexpr char kDigits[] = "0123456789abcdef";
    std::random_device random;  // the system's random source
    std::string token;
    for (int word = 0; word < 4; ++word) {
        uint32_t bits = random();
        for (int digit = 0; digit < 8; ++digit, bits >>= 4) token += kDigits[bits & 0xF];
    }
    return token;
}

std::string TokenCookieName(int port) {
    return "ortaq_token_" + std::to_string(port);
}

bool SameToken(const std::string& given, const std::string& token) {
    if (given.size() != token.size()) return false;
    unsigned char difference = 0;
    for (size_t i = 0; i < token.size(); ++i)
        difference |= static_cast<unsigned char>(given[i] ^ token[i]);
    return difference == 0;
}

std::optional<std::string> RefusedCredential(const std::string& cookies, const std::string& token,
                                             int port) {
    const std::string name = TokenCookieName(port) + "=";
    // "a=1; b=2": each pair after the start or a "; ".
    for (size_t start = 0; start < cookies.size();) {
        size_t end = cookies.find(';', start);
        if (end == std::string::npos) end = cookies.size();
        std::string pair = cookies.substr(start, end - start);
        if (size_t first = pair.find_first_not_of(' '); first != std::string::npos)
            pair.erase(0, first);
        if (pair.compare(0, name.size(), name) == 0 && SameToken(pair.substr(name.size()), token))
            return std::nullopt;
        start = end + 1;
    }
    return "the request does not carry this session's token: open the address ortaq-host serve "
           "printed";
}

std::optional<std::string> MalformedActionLine(const std::string& body) {
    if (body.empty()) return "the request holds no action line";
    if (body.size() > kMaxRequestBody) return "the action line is longer than the host takes";
    if (body.find_first_of("\r\n") != std::string::npos)
        return "the request holds more than one line: send one action at a time";
    return std::nullopt;
}

}  // namespace emulator
