// Reshaping a quadrilateral the tool made by dragging one of its vertices, seen in the
// host's state: the path, the panel's fields and the guide the drag's mouse-down makes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

const std::vector<Point> kKite = {{100, 100}, {160, 180}, {100, 260}, {40, 180}};
const Point kNowhere{500, 700};

// Draws the kite, then hovers vertex INDEX, presses the button there, drags it through
// STOPS and lets it go at the last one; snapshot "dragged" before the release.
emulator::Json DragVertex(int index, const std::vector<Point>& stops) {
    std::string scenario = "start\nselect-tool\n" + Clicks(kKite) + Step("move", kNowhere) +
                           Step("move", kKite[index]) + Step("down", kKite[index]);
    for (const Point& stop : stops) scenario += Step("drag", stop);
    scenario += "snapshot dragged\n" + Step("up", stops.back());
    return PlayScenario(scenario);
}

emulator::Json OnlyPath(const emulator::Json& state) {
    std::vector<emulator::Json> paths = ArtPaths(state);
    if (paths.size() != 1) throw std::runtime_error(std::to_string(paths.size()) + " paths");
    return paths[0];
}

struct DragCase {
    std::string name;
    int vertex;  // index 0 to 3
};

class ToolDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(ToolDrag, MovesOnlyTheDraggedVertexAndShowsTheNewMeasures) {
    const DragCase& c = GetParam();
    const Point& start = kKite[c.vertex];
    const Point end{start.first + 25, start.second - 35};
    emulator::Json state = DragVertex(
        c.vertex, {{start.first + 5, start.second}, {start.first + 40, start.second + 10}, end});

    std::vector<Point> expected = kKite;
    expected[c.vertex] = end;
    const emulator::Json& dragged = Snapshot(state, "dragged");
    EXPECT_EQ(Anchors(OnlyPath(dragged)), expected);
    // The release writes nothing more.
    EXPECT_EQ(state.at("document"), dragged.at("document"));

    auto length = [&](int from, int to) {
        return std::hypot(expected[to].first - expected[from].first,
                          expected[to].second - expected[from].second);
    };
    // Vertex 1's position: it changes only when vertex 1 is dragged.
    const std::pair<int, double> fields[] = {
        {22, expected[0].first}, {24, expected[0].second}, {3, length(0, 1)},  {5, length(1, 2)},
        {7, length(2, 3)},       {9, length(3, 0)},        {11, length(0, 2)}, {13, length(1, 3)},
    };
    for (const auto& [item, value] : fields)
        EXPECT_NEAR(PanelValue(dragged, item), value, 1e-3) << "item " << item;
    EXPECT_EQ(dragged.at("cursor"), 20003 + c.vertex);
    EXPECT_TRUE(state.at("alerts").empty());
    // The drag's mouse-down is no creation click: only the kite's four beeped.
    EXPECT_EQ(state.at("beeps").size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(EachVertex, ToolDrag,
                         ::testing::Values(DragCase{"Vertex1", 0}, DragCase{"Vertex2", 1},
                                           DragCase{"Vertex3", 2}, DragCase{"Vertex4", 3}),
                         CaseName<DragCase>);

TEST(ToolDragAcross, TheOppositeSideGivesACrossedPathWrittenAsItIs) {
    // Vertex 1 beyond side 2: side 4 now crosses side 2.
    const Point across{180, 260};
    emulator::Json state = DragVertex(0, {{140, 180}, across});
    emulator::Json path = OnlyPath(state);
    EXPECT_EQ(Anchors(path), (std::vector<Point>{across, kKite[1], kKite[2], kKite[3]}));
    EXPECT_TRUE(path.at("closed").get<bool>());
    EXPECT_EQ(path.at("tags"), emulator::Json({{"qqq", "jj"}}));
    EXPECT_EQ(Groups(state).at(0).at("name"), "Quadrilatère");
    EXPECT_TRUE(state.at("alerts").empty());
}

// A drag is no creation: it makes no guide, and the next figure is clicked as ever.
TEST(ToolDragStart, MakesNoGuide) {
    const Point grabbed{102, 259};  // within reach of vertex 3
    emulator::Json state = PlayScenario("start\nselect-tool\n" + Clicks(kKite) +
                                        Step("move", grabbed) + Step("down", grabbed) +
                                        "snapshot down\ndrag 120 240\nup 120 240\nsnapshot up\n" +
                                        Clicks({{300, 100}, {400, 100}, {400, 150}, {300, 150}}));
    for (const char* snapshot : {"down", "up"})
        EXPECT_TRUE(Guides(Snapshot(state, snapshot)).empty()) << snapshot;
    EXPECT_TRUE(Guides(state).empty());
    EXPECT_EQ(ArtPaths(state).size(), 2u);
}

}  // namespace
