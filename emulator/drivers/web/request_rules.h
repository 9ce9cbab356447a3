// What the host's web server accepts. It answers the page on this machine only: a request
// must come from the loopback interface, name the server by its loopback address (a
// foreign Host is a page elsewhere reaching in through a name it rebound to this machine)
// and, when it says where it comes from, come from the server's own page.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace emulator {

// The most a request's body may hold; the server refuses more before reading it.
constexpr size_t kMaxRequestBody = 4096;

// Each answers why a request is refused, or nothing when it is accepted.

// REMOTE is the client's address as the server reads it ("127.0.0.1", "::1"...).
std::optional<std::string> RefusedClient(const std::string& remote);
// HOST is the Host header; PORT the server's port.
std::optional<std::string> RefusedHost(const std::string& host, int port);
// ORIGIN is the Origin header, empty when the request has none.
std::optional<std::string> RefusedOrigin(const std::string& origin, int port);
// A body that should hold one scenario action line: one line, something in it, not over
// the bound. Whether it is a well-formed action is the action table's to say.
std::optional<std::string> MalformedActionLine(const std::string& body);

}  // namespace emulator
