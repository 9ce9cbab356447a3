// What the web server lets through: the names a page of this machine reaches it by, and
// nothing that merely looks like them.
#include <gtest/gtest.h>

#include "emulator/drivers/web/request_rules.h"

namespace {

struct HeaderCase {
    const char* value;
    bool accepted;
};

TEST(RequestRules, TheHostHeaderMustNameThisServer) {
    for (const HeaderCase& c : {HeaderCase{"127.0.0.1:8642", true},
                                {"localhost:8642", true},
                                {"127.0.0.1:8643", false},
                                {"127.0.0.1", false},
                                {"rebound.example:8642", false},
                                {"127.0.0.1:8642.example", false},
                                {"localhost.example:8642", false},
                                {"", false}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(!emulator::RefusedHost(c.value, 8642).has_value(), c.accepted);
    }
}

TEST(RequestRules, AnOriginMustBeThisServersPage) {
    for (const HeaderCase& c : {HeaderCase{"", true},
                                {"http://127.0.0.1:8642", true},
                                {"http://localhost:8642", true},
                                {"https://127.0.0.1:8642", false},
                                {"http://127.0.0.1:8643", false},
                                {"http://127.0.0.1", false},
                                {"null", false},
                                {"http://rebound.example:8642", false},
                                {"http://127.0.0.1:8642.example", false}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(!emulator::RefusedOrigin(c.value, 8642).has_value(), c.accepted);
    }
}

TEST(RequestRules, TheCookieMustCarryThisSessionsTokenForThisPort) {
    const std::string token = "0123456789abcdef0123456789abcdef";
    for (const HeaderCase& c :
         {HeaderCase{"ortaq_token_8642=0123456789abcdef0123456789abcdef", true},
          {"a=1; ortaq_token_8642=0123456789abcdef0123456789abcdef; b=2", true},
          {"ortaq_token_8643=0123456789abcdef0123456789abcdef", false},
          {"ortaq_token_8642=0123456789abcdef0123456789abcdee", false},
          {"ortaq_token_8642=0123456789abcdef0123456789abcdef0", false},
          {"ortaq_token_8642=", false},
          {"xortaq_token_8642=0123456789abcdef0123456789abcdef", false},
          {"ortaq_token_8642 0123456789abcdef0123456789abcdef", false},
          {"", false}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(!emulator::RefusedCredential(c.value, token, 8642).has_value(), c.accepted);
    }
}

TEST(RequestRules, EachSessionHasAFreshTokenOf32HexDigits) {
    std::string first = emulator::NewSessionToken(), second = emulator::NewSessionToken();
    EXPECT_EQ(first.size(), 32u);
    EXPECT_EQ(first.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_NE(first, second);
}

TEST(RequestRules, OnlyLoopbackClients) {
    for (const HeaderCase& c : {HeaderCase{"127.0.0.1", true},
                                {"::1", true},
                                {"192.168.1.20", false},
                                {"127.0.0.2", false},
                                {"", false}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(!emulator::RefusedClient(c.value).has_value(), c.accepted);
    }
}

TEST(RequestRules, AnActionBodyIsOneLineWithinTheBound) {
    for (const HeaderCase& c : {HeaderCase{"start", true},
                                {"", false},
                                {"start\n", false},
                                {"start\rquit", false},
                                {"move 1 2\nmove 3 4", false}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(!emulator::MalformedActionLine(c.value).has_value(), c.accepted);
    }
    EXPECT_FALSE(emulator::MalformedActionLine(std::string(emulator::kMaxRequestBody, 'x')));
    EXPECT_TRUE(emulator::MalformedActionLine(std::string(emulator::kMaxRequestBody + 1, 'x')));
}

}  // namespace
