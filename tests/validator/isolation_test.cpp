// Each piece of a validation runs in a child process: what the child found, how it ended and
// a child that does not end come back as findings.
#include "emulator/drivers/validator/isolation.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "tests/support/run_command.h"

namespace {

using namespace std::chrono_literals;
using emulator::BrokenInvariant;
using Found = std::optional<BrokenInvariant>;

struct EndCase {
    const char* what;
    std::function<Found()> work;
    Found expected;
};

TEST(Isolation, HowTheChildEndsIsWhatItFound) {
    const EndCase cases[] = {
        {"nothing broken", [] { return Found(); }, std::nullopt},
        {"an invariant broken",
         [] {
             return Found(BrokenInvariant{"a", "at b"});
         },
         BrokenInvariant{"a", "at b"}},
        {"an error of the validator", []() -> Found { throw std::runtime_error("no plug-in"); },
         BrokenInvariant{"validator error", "no plug-in"}},
        {"an abort", []() -> Found { std::abort(); },
         BrokenInvariant{"crash", "signal " + std::to_string(SIGABRT)}},
        {"an exit of its own", []() -> Found { std::_Exit(1); },
         BrokenInvariant{"crash", "exit status 1 (a sanitizer report?)"}},
    };
    std::string result = TemporaryDirectory() + "/result";
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.what);
        Found found = emulator::RunIsolated(c.work, result, 60s);
        ASSERT_EQ(found.has_value(), c.expected.has_value());
        if (!found) continue;
        EXPECT_EQ(found->name, c.expected->name);
        EXPECT_EQ(found->detail, c.expected->detail);
    }
}

TEST(Isolation, AChildPastItsTimeLimitIsKilledAndFoundAHang) {
    auto start = std::chrono::steady_clock::now();
    Found found = emulator::RunIsolated(
        [] {
            std::this_thread::sleep_for(60s);
            return Found();
        },
        TemporaryDirectory() + "/result", 200ms);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, emulator::kHang);
    EXPECT_EQ(found->detail, "still running after 200 ms, killed");
}

}  // namespace
