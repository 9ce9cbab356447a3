// The validator's user tries the whole action table, and its lines are valid scenario lines.
#include "emulator/drivers/validator/random_lines.h"

#include <gtest/gtest.h>

#include <set>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"
#include "emulator/drivers/scenario/tokenizer.h"

namespace {

TEST(RandomLines, EveryActionOfTheTableIsUsedOrLeftOutOnPurpose) {
    std::set<std::string> table;
    for (const emulator::Action& action : emulator::HostActions().Actions())
        table.insert(action.name);
    std::set<std::string> accounted;
    for (const auto& name : emulator::RandomLines::ActionsUsed()) accounted.insert(name);
    for (const auto& name : emulator::RandomLines::ActionsLeftOut()) accounted.insert(name);
    EXPECT_EQ(accounted, table);
}

TEST(RandomLines, SetUpLinesReadAsActionsAndFollowTheSeed) {
    for (uint64_t seed = 1; seed <= 50; ++seed) {
        emulator::RandomLines first(seed), second(seed);
        std::vector<std::string> lines = first.SetUp();
        EXPECT_EQ(lines, second.SetUp());
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
