// The panel's state outlives the session in the preference file, as the host's dialog
// manager keeps it for its palettes.
#include <gtest/gtest.h>

#include <filesystem>

#include "emulator/host/json.h"
#include "tests/support/run_command.h"

namespace {

class PaletteState : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = TemporaryDirectory(); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Plays SCENARIO with the preference file of the test; the final state.
    host::Json Play(const std::string& scenario) {
        WriteTextFile(dir_ + "/s.scn", scenario);
        CommandResult result = RunCommand(std::string(ORTAQ_HOST_PATH) + " play " + dir_ +
                                          "/s.scn --plugin " + ORTAQ_PLUGIN_PATH + " --prefs " +
                                          dir_ + "/prefs.json --json " + dir_ + "/state.json");
        EXPECT_EQ(result.status, 0) << result.err;
        return host::Json::Parse(ReadTextFile(dir_ + "/state.json"));
    }

    std::string dir_;
};

TEST_F(PaletteState, APanelHiddenWhenTheHostQuitsComesBackHidden) {
    host::Json first = Play("start\nmenu \"Masquer KVT.Ortaq\"\n");
    // Saved at shut-down, when the plug-in destroys its panel.
    EXPECT_FALSE(first["prefs"]["KVTOrtaq"]["kADM_DPVisibleStr"].AsBool());
    EXPECT_EQ(first["prefs"]["Ortaq"]["kADM_DPDockGroupStr"].AsString(), "SDK Dialogs");
    EXPECT_EQ(first["prefs"]["Ortaq"]["kADM_DPDockCodeStr"].AsInt(), 7168);

    host::Json second = Play("start\nsnapshot s\n");
    const host::Json& panel = second["snapshots"]["s"]["dialogs"][0];
    ASSERT_EQ(panel["name"].AsString(), "KVTOrtaq");
    EXPECT_FALSE(panel["visible"].AsBool());
    EXPECT_EQ(second["snapshots"]["s"]["menus"]["groups"][3]["items"][0]["text"].AsString(),
              "Afficher KVT.Ortaq");
}

}  // namespace
