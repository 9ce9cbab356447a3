// Start-up, shut-down, unload and reload through the real plug-in library.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "emulator/output/state.h"
#include "host/ai_application.h"
#include "settings/globals.h"
#include "tests/support/scenario_run.h"

namespace {

TEST(Lifecycle, StartUpAllocatesOneRecordAndShutDownFreesIt) {
    emulator::Json state = PlayScenario("start\nsnapshot started\nquit\n");
    const emulator::Json& blocks = state.at("snapshots").at("started").at("memory").at("blocks");
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks.at(0).at("size").get<int64_t>(), static_cast<int64_t>(sizeof(Globals)));
    EXPECT_EQ(state.at("memory").at("blocks").size(), 0u);
    EXPECT_EQ(state.at("errors").size(), 0u);
}

// Without its notifiers the plug-in makes no panel, so nothing keeps its code loaded.
constexpr const char* kStartWithoutPanel = "without-suite \"AI Notifier Suite\" 2\nstart\n";

TEST(Lifecycle, UnloadAndReloadKeepTheRecordAndAcquireAgain) {
    emulator::Json state =
        PlayScenario(std::string(kStartWithoutPanel) +
                     "snapshot before\nunload\nsnapshot unloaded\nreload\nsnapshot reloaded\n"
                     "call \"SP Interface\" \"Anything\"\nquit\n");
    const emulator::Json& snapshots = state.at("snapshots");
    EXPECT_FALSE(snapshots.at("unloaded").at("plugin").at("loaded").get<bool>());
    EXPECT_TRUE(snapshots.at("unloaded").at("plugin").at("globals_slot_set").get<bool>());
    EXPECT_EQ(snapshots.at("reloaded").at("memory").dump(),
              snapshots.at("before").at("memory").dump());

    auto after = CallsTo(state, "SP Interface", "Anything");
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after.at(0).at("acquired").get<int64_t>(), 119);
    // Shut-down after the reload frees the very block start-up allocated.
    EXPECT_EQ(state.at("memory").at("blocks").size(), 0u);
    EXPECT_EQ(state.at("errors").size(), 0u);
    EXPECT_FALSE(state.at("plugin").at("globals_slot_set").get<bool>());
}

TEST(Lifecycle, TheHostQuittingShutsDownAnUnloadedPlugin) {
    emulator::Json state = PlayScenario(std::string(kStartWithoutPanel) + "unload\n");
    EXPECT_EQ(CallsTo(state, "SP Access", "Reload").size(), 1u);
    EXPECT_EQ(CallsTo(state, "SP Interface", "Shutdown").size(), 1u);
    EXPECT_EQ(state.at("memory").at("blocks").size(), 0u);
}

TEST(Lifecycle, ASecondStartUpKeepsTheRecordInUse) {
    emulator::Json state = PlayScenario("snapshot s\n", [](emulator::Host& host) {
        host.Start();
        host.Plugin().SendEmpty("SP Interface", "Startup");  // behind the host's back
    });
    EXPECT_EQ(state.at("snapshots").at("s").at("memory").at("blocks").size(), 1u);
    EXPECT_EQ(state.at("memory").at("blocks").size(), 0u);
    EXPECT_EQ(state.at("errors").size(), 0u);
}

// Messages the host would not send before start-up or after shut-down, sent straight to the
// plug-in: each is answered 0 and touches nothing.
class MessagesWithoutRecord : public ::testing::TestWithParam<bool> {};  // started and quit

TEST_P(MessagesWithoutRecord, AreAnsweredZeroAndTouchNothing) {
    emulator::Json before;
    emulator::Json state = PlayScenario("", [&](emulator::Host& host) {
        if (GetParam()) {
            host.Start();
            host.Quit();
        }
        before = emulator::HostState(host);
        for (auto [caller, selector] : {std::pair{"SP Interface", "Shutdown"},
                                        {"SP Access", "Unload"},
                                        {"SP Access", "Reload"},
                                        {"AI Menu", "AI Update"},
                                        {"AI Tool", "AI Select"}})
            host.Plugin().SendEmpty(caller, selector);
    });
    for (const emulator::Json& call : state.at("calls"))
        EXPECT_EQ(call.at("result").get<int64_t>(), 0) << call.dump();
    EXPECT_EQ(state.at("errors").size(), 0u);
    EXPECT_EQ(state.at("memory").at("blocks").size(), 0u);
    EXPECT_FALSE(state.at("plugin").at("globals_slot_set").get<bool>());
    EXPECT_EQ(state.at("suites").at("held").get<int64_t>(),
              before.at("suites").at("held").get<int64_t>());
    EXPECT_EQ(state.at("dialogs").dump(), before.at("dialogs").dump());
}

// Before start-up, and after a shut-down.
INSTANTIATE_TEST_SUITE_P(Lifecycle, MessagesWithoutRecord, ::testing::Bool());

}  // namespace

namespace {

// Adds a notifier for TYPE on the plug-in's behalf, as it would through the notifier suite.
void AddNotifier(emulator::Host& host, const char* type) {
    const void* table = nullptr;
    ASSERT_EQ(host.BasicSuite()->AcquireSuite(kAINotifierSuite, kAINotifierSuiteVersion, &table),
              kHostNoError);
    HostNotifierHandle notifier = nullptr;
    auto suite = static_cast<const AINotifierSuite2*>(table);
    ASSERT_EQ(suite->AddNotifier(host.Plugin().Ref(), "notifierName", type, &notifier),
              kHostNoError);
    host.BasicSuite()->ReleaseSuite(kAINotifierSuite, kAINotifierSuiteVersion);
}

TEST(Lifecycle, StartNotifiesTheApplicationStartedNotifiersOnly) {
    emulator::Json state = PlayScenario("start\n", [](emulator::Host& host) {
        AddNotifier(host, kAIArtSelectionChangedNotifier);
        AddNotifier(host, kAIApplicationStartedNotifier);
        AddNotifier(host, kAIApplicationStartedNotifier);
    });
    // The two added here, then the plug-in's own; never the selection notifiers.
    const emulator::Json& calls = state.at("calls");
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls.at(0).at("selector").get<std::string>(), "Startup");
    for (size_t i = 1; i <= 3; ++i)
        EXPECT_EQ(calls.at(i).at("caller").get<std::string>(), "AI Notifier");
    EXPECT_EQ(calls.at(4).at("selector").get<std::string>(), "Shutdown");
}

TEST(Lifecycle, AFailedStartUpSendsNoNotification) {
    emulator::Json state = PlayScenario(
        "without-suite \"ADM Item Suite\" 7\nstart\nalert ok\n",
        [](emulator::Host& host) { AddNotifier(host, kAIApplicationStartedNotifier); });
    ASSERT_EQ(state.at("calls").size(), 1u);
    EXPECT_FALSE(state.at("plugin").at("started").get<bool>());
}

}  // namespace
