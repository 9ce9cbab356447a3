// The validator's user draws its lines from the action table: it tries every action meant for
// random play, and its lines are valid scenario lines.
#include "emulator/drivers/validator/random_lines.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"
#include "emulator/drivers/scenario/tokenizer.h"
#include "emulator/drivers/validator/runs.h"
#include "tests/support/run_command.h"

namespace {

// The names of the actions LINES use.
std::set<std::string> ActionsOf(const std::vector<std::string>& lines) {
    std::set<std::string> names;
    for (const std::string& line : lines)
        for (const emulator::Action& action : emulator::HostActions().Actions())
            if (line == action.name || line.rfind(action.name + " ", 0) == 0)
                names.insert(action.name);
    return names;
}

// The lines of forty runs, played once for the tests that read them.
const std::vector<std::string>& FortyRunsLines() {
    static const std::vector<std::string> lines = [] {
        std::string folder = TemporaryDirectory();
        emulator::RunPlace place{ORTAQ_PLUGIN_PATH, folder + "/prefs.json", folder + "/drawings"};
        std::vector<std::string> played;
        for (uint64_t seed = 1; seed <= 40; ++seed) {
            std::ostringstream log;
            emulator::PlayRandomRun(place, seed, 200, log);
            std::istringstream in(log.str());
            for (std::string line; std::getline(in, line);) played.push_back(line);
        }
        return played;
    }();
    return lines;
}

// Forty runs: the rarest, typing in the dialog the panel's last scale opens, comes in a few.
TEST(RandomLines, EveryActionButTheScriptedOnesIsDrawn) {
    std::set<std::string> drawn = ActionsOf(FortyRunsLines());
    for (const emulator::Action& action : emulator::HostActions().Actions())
        EXPECT_EQ(drawn.count(action.name) != 0, action.role != emulator::Role::kScripted)
            << action.name;
}

// The host's own selection tool is taken now and then, and the user presses and drags with
// it before going back to another tool.
TEST(RandomLines, TheHostsSelectionToolIsPressedAndDraggedWith) {
    bool inHand = false;
    std::set<std::string> used;
    for (const std::string& line : FortyRunsLines()) {
        if (line.rfind("select-tool", 0) == 0)
            inHand = line == "select-tool \"Adobe Selection Tool\"";
        else if (inHand)
            used.insert(line.substr(0, line.find(' ')));
    }
    EXPECT_TRUE(used.count("down") != 0 || used.count("click") != 0);
    EXPECT_EQ(used.count("drag"), 1u) << ::testing::PrintToString(used);
}

TEST(RandomLines, SetUpLinesReadAsActionsAndFollowTheSeed) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        emulator::RandomLines first(seed), second(seed);
        std::vector<std::string> lines = first.SetUp(host);
        EXPECT_EQ(lines, second.SetUp(host));
        for (const std::string& line : lines) {
            SCOPED_TRACE(line);
            EXPECT_NO_THROW(emulator::HostActions().Compile(emulator::SplitWords(line)));
        }
    }
}

// Under a modal window the user mostly answers it, and now and then tries what it hides:
// the application's lifecycle included.
TEST(RandomLines, UnderAModalWindowTheLifecycleIsTriedToo) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    emulator::RandomLines lines(7);
    std::set<std::string> drawn;
    host.Loop().Post({0, [&] {
                          for (int n = 0; n < 400; ++n) drawn.insert(lines.Next(host));
                          host.ModalWindows().CloseTop();
                      }});
    ASSERT_TRUE(host.ModalWindows().RunModal("alert", "Attention"));
    for (const char* line : {"alert ok", "start", "quit", "unload", "reload", "about"})
        EXPECT_TRUE(drawn.count(line)) << line;
}

}  // namespace
