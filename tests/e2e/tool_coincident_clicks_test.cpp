// Vertices clicked, hovered or dragged onto one another: sides and diagonals of length 0
// and directions of no length must never put a number that is not finite into the
// document or the panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

// Clicks CLICKS, then hovers each vertex, then drags vertex 2 onto vertex 1; a snapshot
// after every step.
emulator::Json Play(const std::vector<Point>& clicks) {
    std::string scenario = "start\nselect-tool\n";
    for (size_t i = 0; i < clicks.size(); ++i) {
        std::string n = std::to_string(i + 1);
        scenario += Step("move", clicks[i]) + "snapshot move" + n + "\n" +
                    Step("click", clicks[i]) + "snapshot click" + n + "\n";
    }
    for (size_t i = 0; i < clicks.size(); ++i)
        scenario += Step("move", clicks[i]) + "snapshot hover" + std::to_string(i + 1) + "\n";
    scenario += Step("move", clicks[1]) + Step("down", clicks[1]) + Step("drag", clicks[0]) +
                "snapshot dragged\n" + Step("up", clicks[0]);
    return PlayScenario(scenario);
}

// The panel's numeric items and the texts its drawing wrote, in every snapshot.
std::vector<std::string> PanelTexts(const emulator::Json& state) {
    std::vector<std::string> texts;
    for (const auto& [name, snapshot] : state.at("snapshots").items()) {
        for (int id : {3, 5, 7, 9, 11, 13, 15, 18, 22, 24})
            texts.push_back(PanelItem(snapshot, id).at("text"));
        for (const emulator::Json& op : Panel(snapshot).at("drawing"))
            if (op.contains("text")) texts.push_back(op.at("text"));
    }
    return texts;
}

bool ShowsANonFiniteNumber(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

struct CoincidentCase {
    std::string name;
    std::vector<Point> clicks;
};

class ToolCoincidentClicks : public ::testing::TestWithParam<CoincidentCase> {};

TEST_P(ToolCoincidentClicks, LeaveEveryNumberOfTheStateFinite) {
    const CoincidentCase& c = GetParam();
    emulator::Json state = Play(c.clicks);
    // The same steps on four distinct vertices have nulls only where the state always has.
    emulator::Json distinct = Play({{100, 100}, {160, 180}, {100, 260}, {40, 180}});
    EXPECT_EQ(NullsIn(state), NullsIn(distinct));
    for (const std::string& text : PanelTexts(state))
        EXPECT_FALSE(ShowsANonFiniteNumber(text)) << text;
    EXPECT_TRUE(state.at("alerts").empty()) << state.at("alerts").dump();

    // The quadrilateral holds the clicked points, whatever their coincidences.
    std::vector<emulator::Json> paths = ArtPaths(Snapshot(state, "click4"));
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(Anchors(paths[0]), c.clicks);
    // Vertex 2 dragged onto vertex 1: side 1 is shown as 0.
    EXPECT_EQ(PanelValue(Snapshot(state, "dragged"), 3), 0.0);
}

const Point kA{100, 100};
const Point kB{160, 180};
const Point kC{100, 260};

INSTANTIATE_TEST_SUITE_P(Arbitrary, ToolCoincidentClicks,
                         ::testing::Values(CoincidentCase{"Vertex2OnVertex1", {kA, kA, kB, kC}},
                                           CoincidentCase{"Vertex3OnVertex2", {kA, kB, kB, kC}},
                                           CoincidentCase{"Vertex4OnVertex3", {kA, kB, kC, kC}},
                                           CoincidentCase{"Vertex3OnVertex1", {kA, kB, kA, kC}},
                                           CoincidentCase{"Vertex4OnVertex1", {kA, kB, kC, kA}},
                                           CoincidentCase{"Vertex4OnVertex2", {kA, kB, kC, kB}},
                                           CoincidentCase{"TwoPairs", {kA, kA, kB, kB}},
                                           CoincidentCase{"ThreeOnOnePoint", {kA, kA, kA, kB}},
                                           CoincidentCase{"AllOnOnePoint", {kA, kA, kA, kA}}),
                         CaseName<CoincidentCase>);

}  // namespace
