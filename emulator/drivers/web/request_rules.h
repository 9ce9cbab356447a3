// What the host's web server accepts. It answers the page on this machine only: a request
// must come from the loopback interface, name the server by its loopback address (a
// foreign Host is a page elsewhere reaching in through a name it rebound to this machine),
// when it says where it comes from, come from the server's own page, and carry the
// session's token (other users of the machine reach the loopback interface too).
#pragma once

#include <optional>
#include <string>

#include "emulator/drivers/web/http_request.h"

namespace emulator {

// Each answers why a request is refused, or nothing when it is accepted.

// REMOTE is the client's address as the server reads it ("127.0.0.1", "::1"...).
std::optional<std::string> RefusedClient(const std::string& remote);
// HOST is the Host header; PORT the server's port.
std::optional<std::string> RefusedHost(const std::string& host, int port);
// ORIGIN is the Origin header, empty when the request has none.
std::optional<std::string> RefusedOrigin(const std::string& origin, int port);
// The session's credential: 32 hexadecimal digits from the system's random source, fresh
// for each server. The address the server prints carries it; opening that address sets it
// as the page's cookie.
std::string NewSessionToken();
// The cookie's name for the server on PORT: a server on another port of this machine keeps
// its own (cookies do not tell ports apart).
std::string TokenCookieName(int port);
// Whether GIVEN is TOKEN, in a time that does not tell how much of it matched.
bool SameToken(const std::string& given, const std::string& token);
// COOKIES is the Cookie header, empty when the request has none.
std::optional<std::string> RefusedCredential(const std::string& cookies, const std::string& token,
                                             int port);

// A body that should hold one scenario action line: one line, something in it, not over
// the bound. Whether it is a well-formed action is the action table's to say.
std::optional<std::string> MalformedActionLine(const std::string& body);

}  // namespace emulator
