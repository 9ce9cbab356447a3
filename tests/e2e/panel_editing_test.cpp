// Editing the figure from the panel, end to end: a quadrilateral drawn by clicks, then the
// user's lengths, position, slider, angle buttons and held diagonal.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

constexpr int kLengthFields[6] = {3, 5, 7, 9, 11, 13};

// The tool draws an arbitrary quadrilateral, a square of 100 points on the horizontal,
// clicked counter-clockwise from (100, 500); the panel shows points.
const std::string kDrawn = "start\nselect-tool\n" +
                           Clicks({{100, 500}, {200, 500}, {200, 600}, {100, 600}}) +
                           "panel choose 28 3\nsnapshot before\n";
const std::vector<Point> kSquare = {{100, 500}, {200, 500}, {200, 600}, {100, 600}};

std::vector<Point> Vertices(const emulator::Json& state) {
    std::vector<emulator::Json> paths = ArtPaths(state);
    EXPECT_EQ(paths.size(), 1u);
    return paths.empty() ? std::vector<Point>{} : Anchors(paths[0]);
}

// The state after STEPS, played once the figure is drawn (the panel is gone from the final
// state, after the host quit); the scenario's snapshots come with it.
emulator::Json After(const std::string& steps) {
    emulator::Json state = PlayScenario(kDrawn + steps + "snapshot after\n");
    emulator::Json after = Snapshot(state, "after");
    after["snapshots"] = state.at("snapshots");
    return after;
}

double Distance(const Point& p, const Point& q) {
    return std::hypot(q.first - p.first, q.second - p.second);
}

// The six lengths between the path's anchors, in the fields' order.
std::vector<double> MeasuredLengths(const std::vector<Point>& v) {
    return {Distance(v[0], v[1]), Distance(v[1], v[2]), Distance(v[2], v[3]),
            Distance(v[3], v[0]), Distance(v[0], v[2]), Distance(v[1], v[3])};
}

// The direction from vertex 1 to vertex 4, in degrees.
double InclinationOf(const std::vector<Point>& v) {
    return std::atan2(v[3].second - v[0].second, v[3].first - v[0].first) * 180 / std::numbers::pi;
}

// The inclination as the panel's drawing writes it.
std::string InclinationText(const emulator::Json& state) {
    for (const emulator::Json& op : Panel(state).at("drawing"))
        if (op.at("op") == "text-centred" && op.at("coords").dump() == "[170,72,206,82]")
            return op.at("text");
    return "none";
}

void ExpectSameVertices(const std::vector<Point>& a, const std::vector<Point>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i], b[i]) << "vertex " << i + 1;
}

struct LengthCase {
    std::string name;
    int field;
    const char* typed;
    std::vector<int> kept;  // the vertices (from 1) that stay where they were
};

class TypedLengths : public ::testing::TestWithParam<LengthCase> {};

// With diagonal 1 held, a side moves the vertex off that diagonal and a diagonal slides
// vertex 3 along itself; every length then measures what its field shows.
TEST_P(TypedLengths, RebuildTheArbitraryQuadrilateral) {
    const LengthCase& c = GetParam();
    emulator::Json state = After("panel type " + std::to_string(c.field) + " " + c.typed + "\n");
    std::vector<Point> v = Vertices(state);
    ASSERT_EQ(v.size(), 4u);
    // The field shows the figure as written: the typed length, to float32 rounding.
    EXPECT_NEAR(PanelValue(state, c.field), std::stod(c.typed), 1e-3);
    std::vector<double> measured = MeasuredLengths(v);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(measured[i], PanelValue(state, kLengthFields[i]), 1e-3)
            << "field " << kLengthFields[i];
    for (int kept : c.kept)
        EXPECT_NEAR(Distance(v[kept - 1], kSquare[kept - 1]), 0, 1e-3) << "vertex " << kept;
    EXPECT_NEAR(InclinationOf(v), 90, 1e-4);
    EXPECT_TRUE(state.at("alerts").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Panel, TypedLengths,
    ::testing::Values(LengthCase{"SameSide2AgainKeepsVertex2", 5, "100", {1, 2, 3, 4}},
                      LengthCase{"Side1MovesVertex2", 3, "150", {1, 3, 4}},
                      LengthCase{"Side2MovesVertex2", 5, "80", {1, 3, 4}},
                      // Vertex 4 moves, then the whole figure turns about vertex 1 back to
                      // the inclination.
                      LengthCase{"Side3MovesVertex4", 7, "120", {1}},
                      LengthCase{"Side4MovesVertex4", 9, "90", {1}},
                      // Vertex 3 slides along diagonal 1 and vertices 2 and 4 follow.
                      LengthCase{"Diagonal1SlidesVertex3", 11, "150", {1}}),
    CaseName<LengthCase>);

TEST(TypedLengths, AnImpossibleTriangleIsRefusedAndLeavesThePath) {
    emulator::Json state = After(
        "panel type 5 300\nalert ok\nsnapshot refused\n"
        // The refusal is over once told: a menu choice and the next commit are made without
        // a second alert.
        "panel menu 8\npanel menu 8\npanel type 22 110\n");
    EXPECT_EQ(state.at("alerts").dump(), R"(["Construction impossible !"])");
    const emulator::Json& refused = Snapshot(state, "refused");
    ExpectSameVertices(Vertices(refused), kSquare);
    // The field shows the figure's side again, not the length it could not take.
    EXPECT_EQ(PanelItem(refused, 5).at("text"), "100,00");
    std::vector<Point> moved = {{110, 500}, {210, 500}, {210, 600}, {110, 600}};
    std::vector<Point> v = Vertices(state);
    for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(Distance(v[i], moved[i]), 0, 1e-3);
}

TEST(Position, MovesTheWholeFigureAndKeepsItsMeasures) {
    emulator::Json state = After("panel type 22 110\nsnapshot h\npanel type 24 490\n");
    const emulator::Json& before = Snapshot(state, "before");
    const emulator::Json& h = Snapshot(state, "h");
    ExpectSameVertices(Vertices(h), {{110, 500}, {210, 500}, {210, 600}, {110, 600}});
    ExpectSameVertices(Vertices(state), {{110, 490}, {210, 490}, {210, 590}, {110, 590}});
    for (int field : kLengthFields) EXPECT_EQ(PanelValue(state, field), PanelValue(before, field));
    EXPECT_EQ(InclinationText(state), InclinationText(before));
    EXPECT_EQ(PanelItem(state, 18).at("text"), PanelItem(before, 18).at("text"));
    EXPECT_EQ(PanelItem(state, 18).at("text"), "Aire=10000,00 pt2");
}

struct AngleCase {
    std::string name;
    const char* steps;  // after the figure is drawn
    double degrees;     // the inclination after them
    const char* text;   // as the panel writes it
};

class Angles : public ::testing::TestWithParam<AngleCase> {};

TEST_P(Angles, TurnTheFigureAboutVertex1) {
    const AngleCase& c = GetParam();
    emulator::Json state = After(c.steps);
    EXPECT_FLOAT_EQ(static_cast<float>(PanelValue(state, 15)), static_cast<float>(c.degrees));
    EXPECT_EQ(InclinationText(state), c.text);
    std::vector<Point> v = Vertices(state);
    ASSERT_EQ(v.size(), 4u);
    EXPECT_NEAR(Distance(v[0], kSquare[0]), 0, 1e-3);
    double turned = std::remainder(InclinationOf(v) - c.degrees, 360.0);
    EXPECT_NEAR(turned, 0, 1e-3);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(MeasuredLengths(v)[i], PanelValue(state, kLengthFields[i]), 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, Angles,
    ::testing::Values(
        AngleCase{"Slider", "panel slide 15 35\n", 35, "35°"},
        AngleCase{"PlusWithShiftGoesToTheNextTen", "panel slide 15 35\npanel press 16 shift\n", 40,
                  "40°"},
        AngleCase{"MinusWithShiftGoesToTheTenBelowTheFloor",
                  "panel slide 15 35\npanel press 17 shift\n", 20, "20°"},
        AngleCase{"PlusWithShiftOnANegativeAngle", "panel slide 15 -35\npanel press 16 shift\n",
                  -30, "-30°"},
        AngleCase{"MinusWithShiftOnANegativeAngle", "panel slide 15 -35\npanel press 17 shift\n",
                  -50, "-50°"},
        AngleCase{"PlusWithShiftFromATen", "panel slide 15 30\npanel press 16 shift\n", 40, "40°"},
        AngleCase{"MinusWithShiftFromATen", "panel slide 15 30\npanel press 17 shift\n", 20, "20°"},
        AngleCase{"ShiftHeldOnTheKeyboard",
                  "panel slide 15 35\nhold shift\npanel press 16\nrelease shift\n", 40, "40°"},
        // The angle shown stays within one turn: 181° is -179°.
        AngleCase{"PlusAt180TurnsOnToMinus179", "panel slide 15 180\npanel press 16\n", -179,
                  "-179°"},
        AngleCase{"MinusByOne", "panel press 17\npanel press 17\n", 88, "88°"},
        AngleCase{"TensFromTheButtonsReadAsThemselves", "panel slide 15 0\npanel press 16 shift\n",
                  10, "10°"}),
    CaseName<AngleCase>);

TEST(Angles, TheSliderAsksForTheDocumentToBeDrawnAgain) {
    emulator::Json state = After("panel slide 15 20\n");
    EXPECT_GT(state.at("redraws_requested").get<int>(),
              Snapshot(state, "before").at("redraws_requested").get<int>());
}

// Which diagonal has its field, and which one's place shows a box under its button.
struct HeldDiagonal {
    bool field11, field13;
    bool button26, button27;
};

HeldDiagonal Held(const emulator::Json& state) {
    auto shownAndEnabled = [&](int id) {
        const emulator::Json& item = PanelItem(state, id);
        return item.at("shown").get<bool>() && item.at("enabled").get<bool>();
    };
    EXPECT_EQ(shownAndEnabled(11), shownAndEnabled(12));
    EXPECT_EQ(shownAndEnabled(13), shownAndEnabled(14));
    return {shownAndEnabled(11), shownAndEnabled(13),
            PanelItem(state, 26).at("enabled").get<bool>(),
            PanelItem(state, 27).at("enabled").get<bool>()};
}

TEST(DiagonalChoice, TheButtonsSwitchTheHeldDiagonalWithoutChangingTheFigure) {
    emulator::Json state = After(
        "panel click 27\nsnapshot second\n"
        // Side 1 now moves vertex 1, off diagonal 2.
        "panel type 3 150\nsnapshot edited\npanel click 26\n");
    HeldDiagonal first = Held(Snapshot(state, "before"));
    EXPECT_TRUE(first.field11 && !first.field13 && !first.button26 && first.button27);
    const emulator::Json& second = Snapshot(state, "second");
    HeldDiagonal held = Held(second);
    EXPECT_TRUE(!held.field11 && held.field13 && held.button26 && !held.button27);
    ExpectSameVertices(Vertices(second), kSquare);
    // The box moved to diagonal 1's place.
    std::string drawing = Panel(second).at("drawing").dump();
    EXPECT_NE(drawing.find(R"({"op":"fill","coords":[110,121,170,140],"color":5})"),
              std::string::npos);

    // Diagonal 2 keeps its length and diagonal 1 follows; the figure turns about the new
    // vertex 1 back to the inclination.
    const emulator::Json& edited = Snapshot(state, "edited");
    std::vector<Point> v = Vertices(edited);
    ASSERT_EQ(v.size(), 4u);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(MeasuredLengths(v)[i], PanelValue(edited, kLengthFields[i]), 1e-3);
    EXPECT_NEAR(Distance(v[1], v[3]), Distance(kSquare[1], kSquare[3]), 1e-3);
    EXPECT_NEAR(InclinationOf(v), 90, 1e-4);
    HeldDiagonal back = Held(state);
    EXPECT_TRUE(back.field11 && !back.field13 && !back.button26 && back.button27);
}

}  // namespace
