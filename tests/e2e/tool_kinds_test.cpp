// Drawing each kind of quadrilateral with the tool's clicks after choosing it in the panel's
// menu, seen in the host's state: the path's vertices and the name of its group.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

const std::string kStart = "start\nselect-tool\n";

emulator::Json OnlyGroup(const emulator::Json& state) {
    std::vector<emulator::Json> groups = Groups(state);
    if (groups.size() != 1) throw std::runtime_error(std::to_string(groups.size()) + " groups");
    return groups[0];
}

std::vector<Point> Vertices(const emulator::Json& state) {
    std::vector<emulator::Json> paths = ArtPaths(state);
    if (paths.size() != 1) throw std::runtime_error(std::to_string(paths.size()) + " paths");
    return Anchors(paths[0]);
}

double Side(const std::vector<Point>& v, size_t side) {
    const Point& a = v[side - 1];
    const Point& b = v[side % 4];
    return std::hypot(b.first - a.first, b.second - a.second);
}

void ExpectVertices(const std::vector<Point>& actual, const std::vector<Point>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[i].first, expected[i].first, 1e-3) << "vertex " << i + 1;
        EXPECT_NEAR(actual[i].second, expected[i].second, 1e-3) << "vertex " << i + 1;
    }
}

struct KindCase {
    std::string name;
    int entry;  // index in the panel's menu
    std::vector<Point> clicks;
    std::string group;
    std::vector<Point> vertices;
};

class ToolKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(ToolKinds, TheKindChosenInTheMenuIsDrawnByItsClicksAndNamesTheGroup) {
    const KindCase& c = GetParam();
    // The last click before the release leaves the figure one click short of complete.
    std::vector<Point> before(c.clicks.begin(), c.clicks.end() - 1);
    emulator::Json state =
        PlayScenario(kStart + "panel menu " + std::to_string(c.entry) + "\n" + Clicks(before) +
                     "snapshot short\n" + Step("click", c.clicks.back()));

    EXPECT_TRUE(ArtPaths(Snapshot(state, "short")).empty());
    std::vector<Point> v = Vertices(state);
    ExpectVertices(v, c.vertices);
    EXPECT_EQ(OnlyGroup(state).at("name"), c.group);
    EXPECT_TRUE(Guides(state).empty());
    EXPECT_EQ(state.at("beeps").size(), c.clicks.size());
    EXPECT_TRUE(state.at("alerts").empty());
    EXPECT_TRUE(state.at("errors").empty());
}

// Side 1 from (100, 100) to (200, 100); the vertical axis points up, so the counter-clockwise
// side of side 1 is above it.
INSTANTIATE_TEST_SUITE_P(
    PanelMenu, ToolKinds,
    ::testing::Values(
        // Vertex 3 a quarter turn counter-clockwise from side 1, wherever the release was.
        KindCase{"Square",
                 1,
                 {{100, 100}, {200, 100}},
                 "Carré",
                 {{100, 100}, {200, 100}, {200, 200}, {100, 200}}},
        KindCase{"RectangleAboveSide1",
                 2,
                 {{100, 100}, {200, 100}, {200, 150}},
                 "Rectangle",
                 {{100, 100}, {200, 100}, {200, 150}, {100, 150}}},
        // The third click to the right of side 1, on its clockwise side, and off the
        // perpendicular: side 2 takes the click's distance from vertex 2 on that side.
        KindCase{"RectangleBelowSide1",
                 2,
                 {{100, 100}, {200, 100}, {230, 60}},
                 "Rectangle",
                 {{100, 100}, {200, 100}, {200, 50}, {100, 50}}},
        // The third click 50 from vertex 2: side 2 keeps its direction, side 1's length.
        KindCase{"Rhombus",
                 3,
                 {{100, 100}, {200, 100}, {230, 140}},
                 "Losange",
                 {{100, 100}, {200, 100}, {260, 180}, {160, 180}}},
        KindCase{"Parallelogram",
                 4,
                 {{100, 100}, {200, 100}, {230, 140}},
                 "Parallélogramme",
                 {{100, 100}, {200, 100}, {230, 140}, {130, 140}}}),
    CaseName<KindCase>);

TEST(ToolKinds, ARhombusHasFourEqualSidesAndAParallelogramItsOppositeSidesEqual) {
    // A side 1 that is not level and a third click at another distance from vertex 2.
    const std::vector<Point> clicks = {{120, 140}, {190, 210}, {170, 300}};
    emulator::Json rhombus = PlayScenario(kStart + "panel menu 3\n" + Clicks(clicks));
    emulator::Json parallelogram = PlayScenario(kStart + "panel menu 4\n" + Clicks(clicks));

    std::vector<Point> r = Vertices(rhombus);
    ASSERT_EQ(r.size(), 4u);
    for (size_t side = 2; side <= 4; ++side)
        EXPECT_NEAR(Side(r, side), Side(r, 1), 1e-3) << "rhombus side " << side;
    std::vector<Point> p = Vertices(parallelogram);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_NEAR(Side(p, 3), Side(p, 1), 1e-3);
    EXPECT_NEAR(Side(p, 4), Side(p, 2), 1e-3);
    EXPECT_NEAR(Side(p, 2), std::hypot(20, 90), 1e-3);
    // Both keep the clicks of side 1.
    for (const std::vector<Point>* v : {&r, &p}) {
        EXPECT_NEAR((*v)[1].first, 190, 1e-3);
        EXPECT_NEAR((*v)[1].second, 210, 1e-3);
    }
}

// The dragged figure is no square any more: its group says what it is now.
TEST(ToolKinds, DraggingVertex3OfASquareMovesItAloneAndRenamesItsGroup) {
    const Point vertex3{200, 200};
    const Point end{230, 180};
    emulator::Json state = PlayScenario(
        kStart + "panel menu 1\n" + Clicks({{100, 100}, {200, 100}}) + "move 500 700\n" +
        Step("move", vertex3) + Step("down", vertex3) + "drag 215 190\n" + Step("drag", end) +
        Step("up", end) + "snapshot released\n");

    ExpectVertices(Vertices(state), {{100, 100}, {200, 100}, end, {100, 200}});
    EXPECT_EQ(OnlyGroup(state).at("name"), "Quadrilatère");
    const emulator::Json& released = Snapshot(state, "released");
    EXPECT_NEAR(PanelValue(released, 5), std::hypot(30, 80), 1e-3);    // side 2
    EXPECT_NEAR(PanelValue(released, 7), std::hypot(130, 20), 1e-3);   // side 3
    EXPECT_NEAR(PanelValue(released, 11), std::hypot(130, 80), 1e-3);  // diagonal 1
}

}  // namespace
