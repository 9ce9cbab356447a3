// The plug-in started by a host that lacks one suite of its table.
#include <gtest/gtest.h>

#include "host/types.h"
#include "tests/support/scenario_run.h"

namespace {

struct MissingSuite {
    const char* name;
    int version;
};

std::string WithoutSuite(const MissingSuite& suite) {
    return std::string("without-suite \"") + suite.name + "\" " + std::to_string(suite.version) +
           "\n";
}

// Once the dialog manager's basic suite is held, a failed acquisition is shown and stops
// the call.
class MissingAfterAlertSuite : public ::testing::TestWithParam<MissingSuite> {};

TEST_P(MissingAfterAlertSuite, ShowsTheErrorAndFailsTheCall) {
    const MissingSuite& suite = GetParam();
    emulator::Json state = PlayScenario(WithoutSuite(suite) +
                                        "start\nalert ok\n"
                                        "call \"SP Interface\" \"Anything\"\nalert ok\n");
    std::string expected = "Error: " + std::to_string(kHostErrSuiteNotFound) +
                           ", suite: " + suite.name +
                           ", version: " + std::to_string(suite.version) + "!";
    ASSERT_EQ(state.at("alerts").size(), 2u);
    for (const emulator::Json& alert : state.at("alerts"))
        EXPECT_EQ(alert.get<std::string>(), expected);
    for (const emulator::Json& call : state.at("calls"))
        EXPECT_EQ(call.at("result").get<int64_t>(), kHostErrSuiteNotFound) << call.dump();
    // What was acquired before the failure is given back; start-up never ran, so the host
    // does not count the plug-in as started.
    EXPECT_FALSE(state.at("plugin").at("started").get<bool>());
    EXPECT_EQ(state.at("suites").at("held").get<int64_t>(), 0);
    EXPECT_EQ(state.at("memory").at("blocks").size(), 0u);
    EXPECT_EQ(state.at("errors").size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(MissingSuites, MissingAfterAlertSuite,
                         ::testing::Values(MissingSuite{"ADM Dialog Suite", 10},
                                           MissingSuite{"ADM Tracker Suite", 2},
                                           MissingSuite{"AI Document Suite", 11},
                                           MissingSuite{"AI URL Suite", 1},
                                           MissingSuite{"ATE WordsIterator Suite", 1}));

// Before the dialog manager's basic suite there is no way to tell the user: the call goes
// on without the suite, and every later message still works.
class MissingBeforeAlertSuite : public ::testing::TestWithParam<MissingSuite> {};

TEST_P(MissingBeforeAlertSuite, GoesOnWithoutAlert) {
    emulator::Json state = PlayScenario(WithoutSuite(GetParam()) +
                                        "start\nsnapshot started\n"
                                        "call \"SP Interface\" \"Anything\"\n"
                                        "call \"AI Menu\" \"AI Update\"\n"
                                        "quit\n");
    EXPECT_EQ(state.at("alerts").size(), 0u);
    for (const emulator::Json& call : state.at("calls"))
        EXPECT_EQ(call.at("result").get<int64_t>(), 0) << call.dump();
    EXPECT_EQ(state.at("snapshots").at("started").at("memory").at("blocks").size(), 1u);
    EXPECT_EQ(state.at("memory").at("blocks").size(), 0u);
    // No release of a suite that was never acquired, no call into a missing one.
    EXPECT_EQ(state.at("errors").size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(MissingSuites, MissingBeforeAlertSuite,
                         ::testing::Values(MissingSuite{"SP Blocks Suite", 2},
                                           MissingSuite{"AI Annotator Suite", 1},
                                           MissingSuite{"AI Menu Suite", 9},
                                           MissingSuite{"AI Notifier Suite", 2},
                                           MissingSuite{"ADM Basic Suite", 11}));

// Only the show/hide item's text needs the menu suite: without it the panel is still made,
// shown as a first launch stores it, and there is no item to name.
TEST(MissingMenuSuite, StillMakesThePanel) {
    emulator::Json state =
        PlayScenario(WithoutSuite({"AI Menu Suite", 9}) + "start\nsnapshot started\n");
    const emulator::Json& started = state.at("snapshots").at("started");
    std::vector<std::string> dialogs;
    for (const emulator::Json& dialog : started.at("dialogs"))
        dialogs.push_back(dialog.at("name").get<std::string>() +
                          (dialog.at("visible").get<bool>() ? " shown" : ""));
    EXPECT_EQ(dialogs, std::vector<std::string>{"KVTOrtaq shown"});
    EXPECT_EQ(started.at("suites").at("held").get<int64_t>(),
              119);  // the panel's hold, the menu suite aside
    EXPECT_EQ(state.at("errors").size(), 0u);
}

}  // namespace

// The annotator suite is missing: start-up cannot add its annotator, tells the user and
// gives back everything it took; the host keeps nothing the plug-in added on the way.
namespace {

TEST(MissingAnnotatorSuite, FailsTheStartUpAndLeavesNothing) {
    emulator::Json state =
        PlayScenario(WithoutSuite({"AI Annotator Suite", 4}) + "start\nalert ok\n");
    ASSERT_EQ(state.at("alerts").size(), 1u);
    EXPECT_EQ(state.at("alerts").at(0).get<std::string>(),
              "Error: " + std::to_string(kHostErrSuiteNotFound) +
                  ", suite: AI Annotator Suite, version: 4!");
    EXPECT_FALSE(state.at("plugin").at("started").get<bool>());
    EXPECT_EQ(state.at("memory").at("blocks").size(), 0u);
    EXPECT_EQ(state.at("suites").at("held").get<int64_t>(), 0);
    for (const emulator::Json& tool : state.at("tools")) EXPECT_NE(tool.at("name"), "Outil Ortaq");
    EXPECT_EQ(state.at("errors").size(), 0u);
}

}  // namespace
