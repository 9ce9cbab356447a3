// Typing a side of a figure of each regular kind, and the diagonal buttons of the kinds
// whose diagonals are equal: the figure drawn by the tool's clicks with the kind's flag set
// (the panel's menu, which sets it, is not here yet), then the user's action in the panel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/output/state.h"
#include "panel/panneau.h"
#include "tests/support/case_name.h"
#include "tests/support/plugin_in_process.h"
#include "tests/support/state_lookup.h"

namespace {

class PanelWithKind : public PluginWithPanel {
  protected:
    // The tool is selected: the panel's fields take the user's actions.
    void Draw(HostBool32 Globals::*kind, const std::vector<HostRealPoint>& clicks) {
        globals.*kind = 1;
        for (HostRealPoint click : clicks) Click(click);
        ActivationPanneau(true);
    }
    emulator::Dialog& Panel() const { return *host.Dialogs().FindDialog(panel_); }
    std::vector<Point> Vertices() const {
        std::vector<emulator::Json> paths = ArtPaths(emulator::HostState(host));
        EXPECT_EQ(paths.size(), 1u);
        return paths.empty() ? std::vector<Point>{} : Anchors(paths[0]);
    }
};

struct KindCase {
    std::string name;
    HostBool32 Globals::*kind;
    std::vector<HostRealPoint> clicks;
    int field;
    const char* typed;
    std::vector<Point> vertices;  // of the path after the edit
};

class TypedSides : public PanelWithKind, public ::testing::WithParamInterface<KindCase> {};

TEST_P(TypedSides, RebuildTheFigureForItsKind) {
    const KindCase& c = GetParam();
    Draw(c.kind, c.clicks);
    ASSERT_TRUE(host.Dialogs().Type(Panel(), c.field, c.typed).done);
    std::vector<Point> v = Vertices();
    ASSERT_EQ(v.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(v[i].first, c.vertices[i].first, 1e-3) << "vertex " << i + 1;
        EXPECT_NEAR(v[i].second, c.vertices[i].second, 1e-3) << "vertex " << i + 1;
    }
    EXPECT_TRUE(host.AlertsShown().empty());
}

// Side 1 from (0, 0) to (100, 0); the vertical axis points up.
INSTANTIATE_TEST_SUITE_P(Panel, TypedSides,
                         ::testing::Values(KindCase{"SquareSide1",
                                                    &Globals::FormeCarre,
                                                    {{0, 0}, {100, 0}},
                                                    3,
                                                    "50 pt",
                                                    {{0, 0}, {50, 0}, {50, 50}, {0, 50}}},
                                           KindCase{"RectangleSide1",
                                                    &Globals::FormeRectangle,
                                                    {{0, 0}, {100, 0}, {130, 40}},
                                                    3,
                                                    "60 pt",
                                                    {{0, 0}, {60, 0}, {60, 50}, {0, 50}}},
                                           KindCase{"RectangleSide2",
                                                    &Globals::FormeRectangle,
                                                    {{0, 0}, {100, 0}, {130, 40}},
                                                    5,
                                                    "30 pt",
                                                    {{0, 0}, {100, 0}, {100, 30}, {0, 30}}},
                                           // Side 2 keeps its direction, (0.6, 0.8).
                                           KindCase{"RhombusSide1",
                                                    &Globals::FormeLosange,
                                                    {{0, 0}, {100, 0}, {160, 80}},
                                                    3,
                                                    "50 pt",
                                                    {{0, 0}, {50, 0}, {80, 40}, {30, 40}}},
                                           KindCase{"RhombusSide2",
                                                    &Globals::FormeLosange,
                                                    {{0, 0}, {100, 0}, {160, 80}},
                                                    5,
                                                    "50 pt",
                                                    {{0, 0}, {50, 0}, {80, 40}, {30, 40}}},
                                           KindCase{"ParallelogramSide2",
                                                    &Globals::FormeParallelogramme,
                                                    {{0, 0}, {100, 0}, {130, 40}},
                                                    5,
                                                    "100 pt",
                                                    {{0, 0}, {100, 0}, {160, 80}, {60, 80}}}),
                         CaseName<KindCase>);

// The state of the diagonal items that the buttons change.
std::vector<bool> DiagonalItems(const emulator::Dialog& panel) {
    std::vector<bool> items;
    for (int id : {11, 12, 13, 14, 26, 27}) {
        items.push_back(panel.Find(id)->shown);
        items.push_back(panel.Find(id)->enabled);
    }
    return items;
}

struct EqualDiagonalsCase {
    std::string name;
    HostBool32 Globals::*kind;
    std::vector<HostRealPoint> clicks;
};

class EqualDiagonals : public PanelWithKind,
                       public ::testing::WithParamInterface<EqualDiagonalsCase> {};

TEST_P(EqualDiagonals, KeepTheHeldDiagonalWhateverTheButton) {
    // Diagonal 2 held: button 26 offers diagonal 1.
    globals.Diagonale1Active = 0;
    Draw(GetParam().kind, GetParam().clicks);
    std::vector<Point> drawn = Vertices();
    std::vector<bool> before = DiagonalItems(Panel());
    ASSERT_TRUE(Panel().Find(26)->enabled);
    EXPECT_TRUE(host.Dialogs().Click(Panel(), 26).done);
    EXPECT_EQ(globals.Diagonale1Active, 0);
    EXPECT_EQ(DiagonalItems(Panel()), before);
    EXPECT_EQ(Vertices(), drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, EqualDiagonals,
    ::testing::Values(EqualDiagonalsCase{"Square", &Globals::FormeCarre, {{0, 0}, {100, 0}}},
                      EqualDiagonalsCase{
                          "Rectangle", &Globals::FormeRectangle, {{0, 0}, {100, 0}, {130, 40}}}),
    CaseName<EqualDiagonalsCase>);

}  // namespace
