// The panel's state outlives the session in the preference file, as the host's dialog
// manager keeps it for its palettes.
#include <gtest/gtest.h>

#include <filesystem>

#include "emulator/common/json.h"
#include "tests/support/run_command.h"

namespace {

class PaletteState : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = TemporaryDirectory(); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Plays SCENARIO with the preference file of the test; the final state.
    emulator::Json Play(const std::string& scenario) {
        WriteTextFile(dir_ + "/s.scn", scenario);
        CommandResult result = RunCommand(std::string(ORTAQ_HOST_PATH) + " play " + dir_ +
                                          "/s.scn --plugin " + ORTAQ_PLUGIN_PATH + " --prefs " +
                                          dir_ + "/prefs.json --json " + dir_ + "/state.json");
        EXPECT_EQ(result.status, 0) << result.err;
        return emulator::ParseJson(ReadTextFile(dir_ + "/state.json"));
    }

    std::string dir_;
};

TEST_F(PaletteState, APanelHiddenWhenTheHostQuitsComesBackHidden) {
    emulator::Json first = Play("start\nmenu \"Masquer KVT.Ortaq\"\n");
    // Saved at shut-down, when the plug-in destroys its panel.
    EXPECT_FALSE(first.at("prefs").at("KVTOrtaq").at("kADM_DPVisibleStr").get<bool>());
    EXPECT_EQ(first.at("prefs").at("Ortaq").at("kADM_DPDockGroupStr").get<std::string>(),
              "SDK Dialogs");
    EXPECT_EQ(first.at("prefs").at("Ortaq").at("kADM_DPDockCodeStr").get<int64_t>(), 7168);

    emulator::Json second = Play("start\nsnapshot s\n");
    const emulator::Json& panel = second.at("snapshots").at("s").at("dialogs").at(0);
    ASSERT_EQ(panel.at("name").get<std::string>(), "KVTOrtaq");
    EXPECT_FALSE(panel.at("visible").get<bool>());
    EXPECT_EQ(second.at("snapshots")
                  .at("s")
                  .at("menus")
                  .at("groups")
                  .at(3)
                  .at("items")
                  .at(0)
                  .at("text")
                  .get<std::string>(),
              "Afficher KVT.Ortaq");
}

}  // namespace
