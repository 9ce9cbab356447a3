// What the user does to the document with the host's own tools and view, played from a
// scenario and read back from the JSON state.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/runtime_error.h"
#include "tests/support/scenario_run.h"

namespace {

// The anchors of every path, depth-first in the state's order, as "h,v h,v ...".
std::vector<std::string> Anchors(const emulator::Json& state) {
    std::vector<std::string> paths;
    auto visit = [&](const emulator::Json& art, auto& self) -> void {
        for (const emulator::Json& entry : art) {
            if (entry.at("type") == "group") {
                self(entry.at("art"), self);
                continue;
            }
            std::string text;
            for (const emulator::Json& segment : entry.at("segments")) {
                if (!text.empty()) text += ' ';
                text += segment.at("p").at(0).dump() + "," + segment.at("p").at(1).dump();
            }
            paths.push_back(text);
        }
    };
    for (const emulator::Json& layer : state.at("document").at("layers"))
        visit(layer.at("art"), visit);
    return paths;
}

TEST(DocumentActions, AddPathDrawsAClosedPathOfCornersOnTheCurrentLayer) {
    emulator::Json state = PlayScenario("add-path 0 0 10 0 10 5\n");
    const emulator::Json& path = state.at("document").at("layers").at(0).at("art").at(0);
    EXPECT_EQ(path.at("type"), "path");
    EXPECT_TRUE(path.at("closed").get<bool>());
    EXPECT_FALSE(path.at("guide").get<bool>());
    EXPECT_TRUE(path.at("tags").empty());
    ASSERT_EQ(path.at("segments").size(), 3u);
    for (const emulator::Json& segment : path.at("segments")) {
        EXPECT_EQ(segment.at("in"), segment.at("p"));
        EXPECT_EQ(segment.at("out"), segment.at("p"));
        EXPECT_TRUE(segment.at("corner").get<bool>());
    }
}

TEST(DocumentActions, PathsAreCountedDepthFirstFromTheTopLayer) {
    // "Haut" is above "Calque 1"; a new path goes on top of its layer.
    emulator::Json state = PlayScenario(
        "add-path 0 0 1 1\n"
        "add-path 2 2 3 3\n"
        "layer \"Haut\" current\n"
        "add-path 4 4 5 5\n"
        "move-art 3 10 -1\n"    // the first path drawn
        "delete-art 2\n"        // the second path drawn
        "move-art 1 0.5 0\n");  // the one on "Haut"
    EXPECT_EQ(Anchors(state), (std::vector<std::string>{"4.5,4.0 5.5,5.0", "10.0,-1.0 11.0,0.0"}));
}

TEST(DocumentActions, ZoomChangesTheFirstViewInTheState) {
    EXPECT_EQ(PlayScenario("").at("view").dump(),
              R"({"zoom":1.0,"origin":[0.0,842.0],"size":[595,842]})");
    EXPECT_EQ(PlayScenario("zoom 2.5\n").at("view").at("zoom").get<double>(), 2.5);
}

TEST(DocumentActions, ALockedLayerIsLeftAsItIsWithANotice) {
    std::vector<std::string> notices;
    emulator::Json state = PlayScenario(
        "add-path 0 0 1 1\n"
        "layer-lock \"Calque 1\"\n"
        "add-path 2 2 3 3\n"
        "move-art 1 5 5\n"
        "delete-art 1\n",
        {}, &notices);
    EXPECT_EQ(Anchors(state), std::vector<std::string>{"0.0,0.0 1.0,1.0"});
    EXPECT_EQ(notices.size(), 3u);
}

struct Stop {
    const char* name;
    const char* scenario;
    const char* message;  // found in what the run says when it stops
};

class DocumentActionStops : public ::testing::TestWithParam<Stop> {};

TEST_P(DocumentActionStops, SayWhy) {
    std::optional<std::string> error = RuntimeErrorOf([] { PlayScenario(GetParam().scenario); });
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(GetParam().message), std::string::npos) << *error;
}

INSTANTIATE_TEST_SUITE_P(
    DocumentActions, DocumentActionStops,
    ::testing::Values(
        Stop{"MissingPath", "add-path 0 0 1 1\nadd-path 0 0 1 1\ndelete-art 3\n",
             ":3: there is no path 3: the document has 2"},
        Stop{"NoPathZero", "add-path 0 0 1 1\nmove-art 0 1 1\n", "there is no path 0"},
        Stop{"OnePointIsNoPath", "add-path 0 0\n", "usage: add-path X1 Y1 X2 Y2 ..."},
        Stop{"HalfAPoint", "add-path 0 0 1 1 2\n", "usage: add-path X1 Y1 X2 Y2 ..."},
        Stop{"ZoomOutOfRange", "zoom 65\n", "\"65\" is not a zoom from 1/32 to 64"},
        Stop{"ZoomNotANumber", "zoom big\n", "\"big\" is not a finite number"},
        Stop{"MovedBeyondFloat", "add-path 0 0 1 1\nmove-art 1 3e38 0\nmove-art 1 3e38 0\n",
             ":3: the transformation takes a point out of range"}),
    CaseName<Stop>);

}  // namespace
