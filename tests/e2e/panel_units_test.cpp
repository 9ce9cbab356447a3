// The panel's units and area read-out, end to end: a square inch drawn by clicks (72 × 72
// points, 5184 square points) read in each unit and at a drawing scale.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

constexpr int kLengthFields[6] = {3, 5, 7, 9, 11, 13};

const std::string kSquareInch = "start\nselect-tool\n" +
                                Clicks({{100, 500}, {172, 500}, {172, 572}, {100, 572}}) +
                                "snapshot before\n";

// The state after STEPS, played once the square is drawn, with the scenario's snapshots.
emulator::Json After(const std::string& steps) {
    emulator::Json state = PlayScenario(kSquareInch + steps + "snapshot after\n");
    emulator::Json after = Snapshot(state, "after");
    after["snapshots"] = state.at("snapshots");
    return after;
}

struct UnitCase {
    std::string name;
    int index;  // in the units popup
    const char* unit;
    float smallStep, largeStep;
    const char* area;
};

class Units : public ::testing::TestWithParam<UnitCase> {};

TEST_P(Units, ShowTheLengthsAndTheAreaInTheChosenUnit) {
    const UnitCase& c = GetParam();
    emulator::Json state = After("panel choose 28 " + std::to_string(c.index) + "\n");
    for (int field : kLengthFields) {
        const emulator::Json& item = PanelItem(state, field);
        EXPECT_EQ(item.at("unit"), c.unit) << field;
        EXPECT_EQ(item.at("small_step").get<float>(), c.smallStep) << field;
        EXPECT_EQ(item.at("large_step").get<float>(), c.largeStep) << field;
    }
    EXPECT_EQ(PanelItem(state, 28).at("text"),
              PanelItem(state, 28).at("entries")[c.index].at("text"));
    EXPECT_EQ(PanelItem(state, 18).at("text"), c.area);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, Units,
    ::testing::Values(UnitCase{"Millimetres", 0, "mm", 2.8346457f, 28.346457f, "Aire=645,16 mm2"},
                      // Still a millimetre for the small step.
                      UnitCase{"Centimetres", 1, "cm", 2.8346457f, 28.346457f, "Aire=6,45 cm2"},
                      UnitCase{"Inches", 2, "in", 7.2f, 72, "Aire=1,00 po2"},
                      UnitCase{"Points", 3, "pt", 1, 10, "Aire=5184,00 pt2"}),
    CaseName<UnitCase>);

TEST(Units, ChangingTheUnitLeavesTheLengthsHeldBitForBit) {
    emulator::Json state = After("panel choose 28 3\nsnapshot points\npanel choose 28 0\n");
    const emulator::Json& before = Snapshot(state, "before");
    // The state writes each float32 so that it reads back to the same bits.
    for (int field : kLengthFields)
        EXPECT_EQ(PanelItem(state, field).at("value").dump(),
                  PanelItem(before, field).at("value").dump());
    for (int side : {3, 5, 7, 9}) {
        EXPECT_EQ(PanelItem(Snapshot(state, "points"), side).at("text"), "72,00") << side;
        EXPECT_EQ(PanelItem(state, side).at("text"), "25,40") << side;
    }
    EXPECT_EQ(PanelItem(Snapshot(state, "points"), 11).at("text"), "101,82");
}

TEST(Units, AreaInPointsIgnoresTheDrawingScaleWhileTheLengthsApplyIt) {
    // 1/10: a drawn point stands for ten.
    emulator::Json state = After("panel choose 20 3\nsnapshot mm\npanel choose 28 3\n");
    EXPECT_EQ(PanelItem(Snapshot(state, "mm"), 18).at("text"), "Aire=64516,00 mm2");
    EXPECT_EQ(PanelItem(state, 18).at("text"), "Aire=5184,00 pt2");
    EXPECT_EQ(PanelItem(state, 3).at("text"), "720,00");
}

TEST(Units, AFlatFigureReadsAZeroArea) {
    emulator::Json state =
        PlayScenario("start\nselect-tool\n" +
                     Clicks({{100, 500}, {200, 500}, {300, 500}, {150, 500}}) + "snapshot flat\n");
    EXPECT_EQ(PanelItem(Snapshot(state, "flat"), 18).at("text"), "Aire=0,00 mm2");
}

}  // namespace
