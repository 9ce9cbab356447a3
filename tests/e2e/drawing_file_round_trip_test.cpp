// Figures the tool drew, saved and opened by a second host: the same document to the float,
// and the plug-in finds the opened figures under the pointer and reshapes them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

// Exact in float32, so that the anchors compare as written; the rectangle's constructed
// corners are not.
const std::vector<Point> kKite = {
    {100.25, 100.75}, {160.5, 180.875}, {100.25, 260.125}, {40.625, 180.375}};
// A rectangle from its first side's two ends and a third click for its height.
const std::vector<Point> kRectangle = {{300.25, 400.5}, {380.75, 430.125}, {370, 520.3}};
const Point kNowhere{500, 700};

std::string DrawingPath() {
    return (std::filesystem::path(testing::TempDir()) / "round-trip.svg").string();
}

TEST(DrawingFileRoundTrip, AnotherHostOpensTheSameDocumentAndItsFiguresWork) {
    std::string file = DrawingPath();
    // The rectangle from the panel's menu: its kind names its group.
    emulator::Json saved = PlayScenario(
        "layer \"Fond\" locked\nlayer \"Dessin\" current\n"
        "start\nselect-tool\n" +
        Clicks(kKite) + "panel menu 2\n" + Clicks(kRectangle) +
        "add-path 10 10 20.5 10 20.5 30.1\nsave \"" + file + "\"\nquit\n");
    ASSERT_EQ(ArtPaths(saved).size(), 3u);

    const Point kVertex = kKite[2];
    const Point kEnd{kVertex.first + 20, kVertex.second + 15};
    emulator::Json opened =
        PlayScenario("open \"" + file + "\"\nsnapshot opened\nstart\nselect-tool\n" +
                     Step("move", kNowhere) + Step("move", kVertex) + "snapshot hovered\n" +
                     Step("down", kVertex) + Step("drag", kEnd) + Step("up", kEnd) + "quit\n");

    EXPECT_EQ(Snapshot(opened, "opened").at("document"), saved.at("document"));
    EXPECT_EQ(Snapshot(opened, "hovered").at("cursor"), 20003 + 2);
    std::vector<Point> expected(kKite);
    expected[2] = kEnd;
    std::vector<emulator::Json> paths = ArtPaths(opened);
    ASSERT_FALSE(paths.empty());
    std::vector<Point> dragged;
    for (const emulator::Json& path : paths)
        if (Anchors(path).size() == 4 && Anchors(path)[0] == kKite[0]) dragged = Anchors(path);
    EXPECT_EQ(dragged, expected);
}

TEST(DrawingFileRoundTrip, AFileRefusedStopsTheScenarioWithItsReason) {
    std::string file = DrawingPath() + ".not";
    std::filesystem::remove(file);
    EXPECT_THROW(PlayScenario("open \"" + file + "\"\n"), std::exception);
}

}  // namespace
