// Hovering the vertices of quadrilaterals with the plug-in's tool: the numbered cursor and
// the hovered figure's measures in the panel, for the paths the tool made and no others.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

Point Shifted(const Point& point, double dh, double dv) {
    return {point.first + dh, point.second + dv};
}

// Two quadrilaterals of different measures, far apart.
const std::vector<Point> kKite = {{100, 100}, {160, 180}, {100, 260}, {40, 180}};
const std::vector<Point> kOblong = {{300, 100}, {400, 100}, {400, 150}, {300, 150}};
const Point kNowhere{500, 700};

const std::string kStart = "start\nselect-tool\n";

// The panel's fields hold the measures of the quadrilateral VERTICES: vertex 1's position
// and the sides and diagonals.
void ExpectMeasuresOf(const std::vector<Point>& vertices, const emulator::Json& state,
                      const std::string& where) {
    auto length = [&](int from, int to) {
        return std::hypot(vertices[to].first - vertices[from].first,
                          vertices[to].second - vertices[from].second);
    };
    const std::pair<int, double> expected[] = {
        {22, vertices[0].first}, {24, vertices[0].second}, {3, length(0, 1)},  {5, length(1, 2)},
        {7, length(2, 3)},       {9, length(3, 0)},        {11, length(0, 2)}, {13, length(1, 3)},
    };
    for (const auto& [item, value] : expected)
        EXPECT_NEAR(PanelValue(state, item), value, 1e-3) << where << ", item " << item;
}

TEST(ToolHover, AVertexOfAToolPathShowsItsNumberAndItsFiguresMeasures) {
    // Each hover of one figure follows a hover of the other: its measures replace the
    // other's in the panel. The cursor is a little off the vertex, within the tolerance.
    std::string scenario = kStart + Clicks(kKite) + Clicks(kOblong);
    for (int i = 0; i < 4; ++i) {
        std::string n = std::to_string(i + 1);
        scenario += Step("move", Shifted(kOblong[i], 2, -1)) + "snapshot oblong" + n + "\n";
        scenario += Step("move", Shifted(kKite[i], -3, 2)) + "snapshot kite" + n + "\n";
    }
    emulator::Json state = PlayScenario(scenario);
    for (int i = 0; i < 4; ++i) {
        std::string n = std::to_string(i + 1);
        for (const auto& [name, figure] :
             {std::pair{"oblong", kOblong}, std::pair{"kite", kKite}}) {
            const emulator::Json& hovered = Snapshot(state, name + n);
            EXPECT_EQ(hovered.at("cursor"), 20003 + i) << name << n;
            ExpectMeasuresOf(figure, hovered, name + n);
        }
    }
}

TEST(ToolHover, AnUntaggedPathOfTheSameShapeIsNotHovered) {
    std::string scenario = kStart + "add-path 100 100 160 180 100 260 40 180\nsnapshot before\n";
    for (int i = 0; i < 4; ++i)
        scenario += Step("move", kKite[i]) + "snapshot vertex" + std::to_string(i + 1) + "\n";
    emulator::Json state = PlayScenario(scenario);
    for (int i = 1; i <= 4; ++i) {
        const emulator::Json& hovered = Snapshot(state, "vertex" + std::to_string(i));
        EXPECT_EQ(hovered.at("cursor"), 20007) << i;
        EXPECT_EQ(Panel(hovered).at("items"), Panel(Snapshot(state, "before")).at("items")) << i;
    }
}

TEST(ToolHover, AMovedPathIsHoveredWhereItNowIs) {
    const double dh = 50, dv = -30;
    std::vector<Point> moved;
    for (const Point& vertex : kKite) moved.push_back(Shifted(vertex, dh, dv));
    emulator::Json state = PlayScenario(
        kStart + Clicks(kKite) + Step("move", kNowhere) + "move-art 1 50 -30\n" +
        Step("move", kKite[0]) + "snapshot old\n" + Step("move", moved[2]) + "snapshot new\n");
    EXPECT_EQ(Snapshot(state, "old").at("cursor"), 20007);
    const emulator::Json& hovered = Snapshot(state, "new");
    EXPECT_EQ(hovered.at("cursor"), 20005);
    ExpectMeasuresOf(moved, hovered, "moved");
}

struct ToleranceCase {
    std::string name;
    double zoom;
    double distance;  // of the cursor from vertex 1, in artwork points
    int cursor;
};

class ToolHoverTolerance : public ::testing::TestWithParam<ToleranceCase> {};

TEST_P(ToolHoverTolerance, IsEightPixelsOfTheView) {
    const ToleranceCase& c = GetParam();
    // The cursor straight above and to the right of vertex 1, at the distance.
    const double diagonal = c.distance / std::sqrt(2.0);
    for (const Point& cursor : {Shifted(kKite[0], c.distance, 0), Shifted(kKite[0], 0, -c.distance),
                                Shifted(kKite[0], diagonal, diagonal)}) {
        emulator::Json state =
            PlayScenario(kStart + Clicks(kKite) + Step("move", kNowhere) + "zoom " +
                         std::to_string(c.zoom) + "\n" + Step("move", cursor));
        EXPECT_EQ(state.at("cursor"), c.cursor) << cursor.first << ", " << cursor.second;
    }
}

INSTANTIATE_TEST_SUITE_P(Zoom, ToolHoverTolerance,
                         ::testing::Values(ToleranceCase{"Zoom1Within", 1, 7.9, 20003},
                                           ToleranceCase{"Zoom1Beyond", 1, 8.1, 20007},
                                           ToleranceCase{"Zoom2Within", 2, 3.9, 20003},
                                           ToleranceCase{"Zoom2Beyond", 2, 4.1, 20007},
                                           ToleranceCase{"ZoomHalfWithin", 0.5, 15.9, 20003},
                                           ToleranceCase{"ZoomHalfBeyond", 0.5, 16.1, 20007}),
                         CaseName<ToleranceCase>);

}  // namespace
