// The picture of the real panel, as `ortaq-host play --panel-svg` writes it.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/run_command.h"

namespace {

TEST(PanelPicture, ShowsTheDisabledFieldsOverThePanelsDrawingAndGreysItsPictures) {
    std::string dir = TemporaryDirectory();
    WriteTextFile(dir + "/s.scn", "start\n");
    CommandResult result =
        RunCommand(std::string(ORTAQ_HOST_PATH) + " play " + dir + "/s.scn --plugin " +
                   ORTAQ_PLUGIN_PATH + " --panel-svg " + dir + "/panel.svg");
    ASSERT_EQ(result.status, 0) << result.err;
    std::string svg = ReadTextFile(dir + "/panel.svg");
    std::filesystem::remove_all(dir);
    // While the tool is not selected, diagonal 2's field is shown, disabled, on the place
    // where the panel draws the inactive diagonal's box: the field hides the box.
    size_t box = svg.find("<rect x=\"35\" y=\"121\" width=\"60\" height=\"19\" fill=\"#d4d0c8\"");
    size_t field = svg.find("<rect x=\"35\" y=\"121\" width=\"60\" height=\"19\" fill=\"#ffffff\"");
    ASSERT_NE(box, std::string::npos);
    ASSERT_NE(field, std::string::npos);
    EXPECT_LT(box, field);
    // The maker's logo, disabled too, is greyed.
    EXPECT_NE(svg.find("<image x=\"182\" y=\"4\" width=\"20\" height=\"20\" "
                       "filter=\"url(#disabled)\""),
              std::string::npos);
}

}  // namespace
