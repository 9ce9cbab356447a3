// The picture of the view as `ortaq-host play --svg` writes it, with one more for each
// snapshot.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/run_command.h"

namespace {

class ViewPictureProgram : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = TemporaryDirectory(); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    CommandResult Play(const std::string& scenario, const std::string& options) {
        WriteTextFile(dir_ + "/s.scn", scenario);
        return RunCommand("timeout 60 " + std::string(ORTAQ_HOST_PATH) + " play " + dir_ +
                          "/s.scn --plugin " + ORTAQ_PLUGIN_PATH + " " + options);
    }

    bool WellFormed(const std::string& path) {
        return RunCommand(
                   "python3 -c 'import sys, xml.dom.minidom; "
                   "xml.dom.minidom.parse(sys.argv[1])' " +
                   path)
                   .status == 0;
    }

    std::string dir_;
};

TEST_F(ViewPictureProgram, ShowsTheViewAtTheEndAndAtEachSnapshot) {
    std::filesystem::create_directory(dir_ + "/out");
    CommandResult result =
        Play("start\nadd-path 100 742 200 742 200 642\nsnapshot one\nzoom 2\nsnapshot two\n",
             "--svg " + dir_ + "/out/view.svg");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("picture of the view written to " + dir_ + "/out/view.svg"),
              std::string::npos)
        << result.out;
    const std::string path = "<path d=\"M 100 100 L 200 100 L 200 200 L 100 100 Z\"";
    const std::string zoomed = "<path d=\"M 200 200 L 400 200 L 400 400 L 200 200 Z\"";
    for (const char* name : {"view", "one", "two"})
        EXPECT_TRUE(WellFormed(dir_ + "/out/" + name + ".svg")) << name;
    std::string one = ReadTextFile(dir_ + "/out/one.svg");
    EXPECT_NE(one.find(path), std::string::npos) << one;
    EXPECT_NE(ReadTextFile(dir_ + "/out/two.svg").find(zoomed), std::string::npos);
    EXPECT_EQ(ReadTextFile(dir_ + "/out/view.svg"), ReadTextFile(dir_ + "/out/two.svg"));
}

TEST_F(ViewPictureProgram, ShowsTheWindowAsItsSizeScrollAndZoomShowIt) {
    // At 200 %, scrolled by 100 pixels to the right and 50 down: the top-left pixel shows
    // the artwork point (50, 817).
    CommandResult result =
        Play("view-size 300 200\nzoom 2 at 0 0\nscroll 100 50\nadd-path 100 742 200 742 200 642\n",
             "--svg " + dir_ + "/view.svg");
    ASSERT_EQ(result.status, 0) << result.err;
    std::string picture = ReadTextFile(dir_ + "/view.svg");
    for (const char* expected : {
             R"(<svg xmlns="http://www.w3.org/2000/svg" width="300" height="200")",
             R"(<rect width="300" height="200" fill="#d4d4d4"/>)",
             // The page's edge, from its top-left corner (0, 842).
             R"(<rect x="-100" y="-50" width="1190" height="1684" fill="#ffffff")",
             R"(<path d="M 100 150 L 300 150 L 300 350 L 100 150 Z")",
         })
        EXPECT_NE(picture.find(expected), std::string::npos) << expected << "\n" << picture;
}

TEST_F(ViewPictureProgram, APictureThatCannotBeWrittenIsOneLineAndTheOthersAreStillWritten) {
    CommandResult result = Play("start\nsnapshot \"nowhere/one\"\nsnapshot two\n",
                                "--svg " + dir_ + "/view.svg --json " + dir_ + "/state.json");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "ortaq-host: cannot write " + dir_ +
                              "/nowhere/one.svg (No such file or directory)\n");
    EXPECT_TRUE(WellFormed(dir_ + "/two.svg"));
    EXPECT_TRUE(WellFormed(dir_ + "/view.svg"));
    EXPECT_TRUE(std::filesystem::exists(dir_ + "/state.json"));
}

}  // namespace
