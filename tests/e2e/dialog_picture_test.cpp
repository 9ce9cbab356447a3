// The picture of a dialog as the user last saw it, as `ortaq-host play --dialog-svg`
// writes it: the custom-scale dialog, gone from the screen once closed.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/run_command.h"

namespace {

CommandResult PlayWithDialogPicture(const std::string& dir, const std::string& scenario,
                                    const std::string& dialog) {
    WriteTextFile(dir + "/s.scn", scenario);
    return RunCommand(std::string(ORTAQ_HOST_PATH) + " play " + dir + "/s.scn --plugin " +
                      ORTAQ_PLUGIN_PATH + " --dialog-svg " + dialog + " " + dir + "/dialog.svg");
}

TEST(DialogPicture, ShowsTheCustomScaleDialogAsLastDrawn) {
    std::string dir = TemporaryDirectory();
    // Named by its title, as the user reads it; the user typed 1,5 before pressing OK.
    CommandResult result = PlayWithDialogPicture(
        dir, "start\nselect-tool\npanel choose 20 20\ndialog type 10 1,5\ndialog click 1\n",
        "\"Échelle personnalisée.\"");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("picture of the dialog \"Échelle personnalisée.\" written to"),
              std::string::npos)
        << result.out;
    std::string svg = ReadTextFile(dir + "/dialog.svg");
    std::filesystem::remove_all(dir);
    EXPECT_NE(svg.find(">Échelle personnalisée.</text>"), std::string::npos);
    for (const char* letter : {">N</text>", ">:</text>", ">D</text>"})
        EXPECT_NE(svg.find(letter), std::string::npos) << letter;
    EXPECT_NE(svg.find(">1 mm -&gt; 4,66667 mm</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find(">1,500000</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Annuler</text>"), std::string::npos);
    EXPECT_NE(svg.find(">OK</text>"), std::string::npos);
}

TEST(DialogPicture, ADialogNeverOnScreenIsToldAndFailsTheRun) {
    std::string dir = TemporaryDirectory();
    CommandResult result = PlayWithDialogPicture(dir, "start\n", "bidon");
    bool written = std::filesystem::exists(dir + "/dialog.svg");
    std::filesystem::remove_all(dir);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("no dialog \"bidon\" was on screen to draw in"), std::string::npos)
        << result.err;
    EXPECT_FALSE(written);
}

}  // namespace
