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
