// The marks of right angles, seen in the host's annotation layer while a vertex of a
// quadrilateral is hovered: which angles are marked, and the marks' strokes.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "tests/support/annotation_lookup.h"
#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"

namespace {

// Each vertex's neighbours, in the order the mark takes them.
constexpr int kNeighbours[4][2] = {{1, 3}, {0, 2}, {1, 3}, {2, 0}};

// The state after drawing VERTICES by clicks, zooming to ZOOM and hovering vertex 1.
emulator::Json Hovered(const std::vector<Point>& vertices, double zoom) {
    return PlayScenario("start\nselect-tool\n" + Clicks(vertices) + "zoom " + std::to_string(zoom) +
                        "\n" + Step("move", vertices[0]));
}

Mark ExpectedMarkAt(const std::vector<Point>& vertices, int vertex, double zoom) {
    auto at = [&](int index) { return InView(vertices[index], zoom); };
    return ExpectedMark(at(vertex), at(kNeighbours[vertex][0]), at(kNeighbours[vertex][1]),
                        15 * zoom);
}

struct AngleCase {
    std::string name;
    double degrees;  // at vertex 2
    bool marked;
};

class RightAngleTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(RightAngleTest, MarksAnAngleWithinATenthOfADegreeOrSoOfNinety) {
    const AngleCase& c = GetParam();
    // Side 2 turns from side 1 by the angle; vertex 1 is square whatever the angle.
    const double turn = (180 - c.degrees) * std::numbers::pi / 180;
    const Point vertex2{260, 600};
    const std::vector<Point> vertices = {
        {60, 600},
        vertex2,
        {vertex2.first + 150 * std::cos(turn), vertex2.second + 150 * std::sin(turn)},
        {60, 750}};
    emulator::Json state = Hovered(vertices, 1);
    bool marked = false;
    for (const Mark& mark : Marks(state)) marked |= SameMark(mark, ExpectedMarkAt(vertices, 1, 1));
    EXPECT_EQ(marked, c.marked);
}

INSTANTIATE_TEST_SUITE_P(AtVertex2, RightAngleTest,
                         ::testing::Values(AngleCase{"Exactly90", 90, true},
                                           AngleCase{"Within89_9", 89.9, true},
                                           AngleCase{"Within90_1", 90.1, true},
                                           AngleCase{"Beyond89_8", 89.8, false},
                                           AngleCase{"Beyond90_2", 90.2, false}),
                         CaseName<AngleCase>);

struct MarkCase {
    std::string name;
    std::vector<Point> rectangle;
    double zoom;
};

class RightAngleMarks : public ::testing::TestWithParam<MarkCase> {};

TEST_P(RightAngleMarks, AreFifteenPointStrokesClosingASquareInsideEachAngle) {
    const MarkCase& c = GetParam();
    std::vector<Mark> marks = Marks(Hovered(c.rectangle, c.zoom));
    ASSERT_EQ(marks.size(), 4u);
    for (int vertex = 0; vertex < 4; ++vertex) {
        const Mark& mark = marks[vertex];
        EXPECT_TRUE(SameMark(mark, ExpectedMarkAt(c.rectangle, vertex, c.zoom)))
            << "vertex " << vertex + 1 << ": Q " << mark.q.first << ", " << mark.q.second << "; R "
            << mark.r.first << ", " << mark.r.second << "; P " << mark.p.first << ", "
            << mark.p.second;
    }
}

// Upright, turned by atan(3/4) both ways round, and with sides shorter than the mark.
const std::vector<Point> kUpright = {{60, 600}, {260, 600}, {260, 750}, {60, 750}};
const std::vector<Point> kTurned = {{100, 480}, {260, 600}, {170, 720}, {10, 600}};
const std::vector<Point> kTurnedClockwise = {{100, 480}, {10, 600}, {170, 720}, {260, 600}};
const std::vector<Point> kSmall = {{100, 700}, {110, 700}, {110, 706}, {100, 706}};

INSTANTIATE_TEST_SUITE_P(Rectangles, RightAngleMarks,
                         ::testing::Values(MarkCase{"Upright", kUpright, 1},
                                           MarkCase{"Turned", kTurned, 1},
                                           MarkCase{"TurnedClockwise", kTurnedClockwise, 1},
                                           MarkCase{"SidesShorterThanTheMark", kSmall, 1},
                                           MarkCase{"UprightAtZoom2", kUpright, 2},
                                           MarkCase{"SmallAtZoom2", kSmall, 2},
                                           MarkCase{"TurnedAtZoomHalf", kTurned, 0.5}),
                         CaseName<MarkCase>);

}  // namespace
