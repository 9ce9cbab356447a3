// Routing of host messages through the real plug-in library.
#include <gtest/gtest.h>

#include "emulator/core/suites/serve.h"
#include "tests/support/scenario_run.h"

namespace {

constexpr int kSuiteRows = 120;

// Start-up alone, sent straight to the plug-in without the host's start and its
// application-started notification: no panel is made, so the suites are not held between
// messages.
void StartUpOnly(emulator::Host& host) {
    host.Plugin().SendEmpty("SP Interface", "Startup");
}

struct RouteCase {
    const char* caller;
    const char* selector;
    int acquisitions;  // suites acquired (and released) by the call
};

class UnansweredPairs : public ::testing::TestWithParam<RouteCase> {};

TEST_P(UnansweredPairs, AnswerZeroAndLeaveTheRecordAlone) {
    const RouteCase& route = GetParam();
    emulator::Json state =
        PlayScenario(std::string("snapshot before\n") + "call \"" + route.caller + "\" \"" +
                         route.selector + "\"\nsnapshot after\n",
                     StartUpOnly);
    auto calls = CallsTo(state, route.caller, route.selector);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls.at(0).at("result").get<int64_t>(), 0);
    EXPECT_EQ(calls.at(0).at("acquired").get<int64_t>(), route.acquisitions);
    EXPECT_EQ(calls.at(0).at("released").get<int64_t>(), route.acquisitions);

    const emulator::Json& before = state.at("snapshots").at("before");
    const emulator::Json& after = state.at("snapshots").at("after");
    EXPECT_EQ(after.at("suites").at("held").get<int64_t>(), 0);
    EXPECT_EQ(after.at("memory").dump(), before.at("memory").dump());
    EXPECT_EQ(state.at("errors").size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Dispatch, UnansweredPairs,
                         ::testing::Values(RouteCase{"SP Access", "Startup", 0},
                                           RouteCase{"SP Access", "About", 0},
                                           RouteCase{"SP Interface", "Restart", kSuiteRows},
                                           RouteCase{"Some Other Caller", "AI Go", kSuiteRows},
                                           RouteCase{"AI Menu", "AI Update", kSuiteRows},
                                           RouteCase{"AI Menu", "AI Open", kSuiteRows}));

TEST(Dispatch, ANestedCallAcquiresAndReleasesOnce) {
    // While start-up allocates its record, the host sends another message, as a dialog
    // callback would.
    emulator::Json state = PlayScenario("", [](emulator::Host& host) {
        host.TraceLog().AddListener(
            [&host, sent = false](const emulator::SuiteCallRecord& call) mutable {
                if (call.function != "AllocateBlock" || sent) return;
                sent = true;
                host.Call("SP Interface", "Nested");
            });
        StartUpOnly(host);
    });
    auto startup = CallsTo(state, "SP Interface", "Startup");
    auto nested = CallsTo(state, "SP Interface", "Nested");
    ASSERT_EQ(startup.size(), 1u);
    ASSERT_EQ(nested.size(), 1u);
    EXPECT_EQ(nested.at(0).at("depth").get<int64_t>(), 1);
    EXPECT_EQ(nested.at(0).at("acquired").get<int64_t>(), 0);
    EXPECT_EQ(nested.at(0).at("released").get<int64_t>(), 0);
    // Start-up's own acquisitions, the suite table's and its menu helper's, all given back.
    EXPECT_GE(startup.at(0).at("acquired").get<int64_t>(), kSuiteRows);
    EXPECT_EQ(startup.at(0).at("released").get<int64_t>(),
              startup.at(0).at("acquired").get<int64_t>());
    EXPECT_EQ(state.at("suites").at("held").get<int64_t>(), 0);
}

TEST(Dispatch, CallerAndSelectorAreComparedThroughTheHost) {
    std::vector<std::string> comparisons;
    PlayScenario("start\n", [&](emulator::Host& host) {
        host.TraceLog().AddListener([&](const emulator::SuiteCallRecord& call) {
            if (call.function == "IsEqual") comparisons.push_back(call.arguments);
        });
    });
    ASSERT_GE(comparisons.size(), 3u);
    EXPECT_EQ(comparisons[0], "a=\"SP Interface\", b=\"SP Access\"");
    EXPECT_EQ(comparisons[1], "a=\"SP Interface\", b=\"SP Interface\"");
    EXPECT_EQ(comparisons[2], "a=\"Startup\", b=\"Startup\"");
}

}  // namespace
