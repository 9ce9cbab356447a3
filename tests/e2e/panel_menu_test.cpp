// The panel's flyout menu chosen from a scenario: the kind's check mark and the fields it
// leaves editable, the help pane it widens the panel for, and the figure put back where the
// position field says after every choice.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

const std::string kStart = "start\nselect-tool\n";
constexpr int kMenu = -5;

std::string MenuChoices(const std::vector<int>& indices) {
    std::string steps;
    for (int index : indices) steps += "panel menu " + std::to_string(index) + "\n";
    return steps;
}

// The IDs of the menu's entries that carry a check mark.
std::vector<int> CheckedEntries(const emulator::Json& state) {
    std::vector<int> checked;
    for (const emulator::Json& entry : PanelItem(state, kMenu).at("entries"))
        if (entry.at("checked").get<bool>()) checked.push_back(entry.at("id").get<int>());
    return checked;
}

std::string EntryText(const emulator::Json& state, int id) {
    for (const emulator::Json& entry : PanelItem(state, kMenu).at("entries"))
        if (entry.at("id") == id) return entry.at("text").get<std::string>();
    throw std::runtime_error("no menu entry " + std::to_string(id));
}

bool Enabled(const emulator::Json& state, int item) {
    return PanelItem(state, item).at("enabled").get<bool>();
}

int PanelWidth(const emulator::Json& state) {
    const emulator::Json& rect = Panel(state).at("rect");
    return rect.at(2).get<int>() - rect.at(0).get<int>();
}

// The items whose enabling the kinds decide, and those no kind ever disables: side 1, the
// positions, the slider and the units.
const std::vector<int> kKindItems = {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 26, 27};
const std::vector<int> kAlwaysEnabled = {3, 4, 15, 22, 24, 28};

struct ChoiceCase {
    std::string name;
    std::string before;  // panel actions before the choices
    std::vector<int> choices;
    std::vector<int> checked;   // entry IDs
    std::vector<int> disabled;  // among kKindItems
};

class PanelMenuKinds : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(PanelMenuKinds, CheckTheKindAndEnableOnlyTheFieldsItUses) {
    const ChoiceCase& c = GetParam();
    emulator::Json played =
        PlayScenario(kStart + c.before + MenuChoices(c.choices) + "snapshot chosen\n");
    const emulator::Json& state = Snapshot(played, "chosen");

    EXPECT_EQ(CheckedEntries(state), c.checked);
    for (int item : kKindItems) {
        bool disabled = std::find(c.disabled.begin(), c.disabled.end(), item) != c.disabled.end();
        EXPECT_EQ(Enabled(state, item), !disabled) << "item " << item;
    }
    for (int item : kAlwaysEnabled) EXPECT_TRUE(Enabled(state, item)) << "item " << item;
    EXPECT_TRUE(played.at("errors").empty());
}

// Diagonal 1 is the held one at first: its button is disabled, diagonal 2's enabled, and
// diagonal 2's field, hidden, is disabled. Clicking button 27 holds diagonal 2. The buttons
// and diagonal fields follow the held diagonal for every kind that uses diagonals, whatever
// kind came before.
INSTANTIATE_TEST_SUITE_P(
    PanelMenu, PanelMenuKinds,
    ::testing::Values(
        ChoiceCase{"Square", "", {1}, {2}, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 26, 27}},
        ChoiceCase{"SquareTwice", "", {1, 1}, {}, {13, 14, 26}},
        ChoiceCase{"SquareTwiceWithDiagonal2Active", "panel click 27\n", {1, 1}, {}, {11, 12, 27}},
        ChoiceCase{"Rectangle", "", {2}, {3}, {7, 8, 9, 10, 11, 12, 13, 14, 26, 27}},
        ChoiceCase{"RectangleAfterSquare", "", {1, 2}, {3}, {7, 8, 9, 10, 11, 12, 13, 14, 26, 27}},
        ChoiceCase{"RectangleTwice", "panel click 27\n", {2, 2}, {}, {11, 12, 27}},
        ChoiceCase{"Rhombus", "", {3}, {4}, {7, 8, 9, 10, 13, 14, 26}},
        ChoiceCase{"RhombusAfterSquare", "", {1, 3}, {4}, {7, 8, 9, 10, 13, 14, 26}},
        ChoiceCase{"RhombusTwice", "", {3, 3}, {}, {13, 14, 26}},
        ChoiceCase{"Parallelogram", "panel click 27\n", {4}, {5}, {7, 8, 9, 10, 11, 12, 27}},
        ChoiceCase{"ParallelogramAfterRectangle", "", {2, 4}, {5}, {7, 8, 9, 10, 13, 14, 26}},
        ChoiceCase{"ArbitraryAfterRhombus", "", {3, 0}, {1}, {13, 14, 26}},
        ChoiceCase{"ArbitraryAfterSquareWithDiagonal2Active",
                   "panel click 27\n",
                   {1, 0},
                   {1},
                   {11, 12, 27}}),
    CaseName<ChoiceCase>);

TEST(PanelMenu, TheCheckedKindChosenAgainReturnsTheToolToTheArbitraryQuadrilateral) {
    const std::vector<Point> clicks = {{100, 100}, {200, 100}, {230, 160}, {110, 190}};
    for (const std::vector<int>& choices : std::vector<std::vector<int>>{{1, 1}, {3, 3}, {2, 0}}) {
        emulator::Json state = PlayScenario(kStart + MenuChoices(choices) + Clicks(clicks));
        std::vector<emulator::Json> paths = ArtPaths(state);
        ASSERT_EQ(paths.size(), 1u) << choices[0];
        EXPECT_EQ(Anchors(paths[0]), clicks) << choices[0];
        EXPECT_EQ(Groups(state).at(0).at("name"), "Quadrilatère") << choices[0];
    }
}

TEST(PanelMenu, TheHelpEntryWidensThePanelForTheHelpAndNarrowsItBack) {
    const emulator::Json state =
        PlayScenario(kStart +
                     "snapshot closed\npanel menu 8\nsnapshot open\npanel menu 8\n"
                     "snapshot closedAgain\n");
    const emulator::Json& closed = Snapshot(state, "closed");
    const emulator::Json& open = Snapshot(state, "open");
    const emulator::Json& closedAgain = Snapshot(state, "closedAgain");

    EXPECT_EQ(PanelWidth(closed), 206);
    EXPECT_EQ(EntryText(closed, 9), "Afficher l'aide");
    EXPECT_EQ(PanelWidth(open), 412);
    EXPECT_EQ(EntryText(open, 9), "Masquer l'aide");
    EXPECT_EQ(PanelWidth(closedAgain), 206);
    EXPECT_EQ(EntryText(closedAgain, 9), "Afficher l'aide");
    // The panel grows and shrinks to the right: its other edges stay.
    for (const emulator::Json* s : {&open, &closedAgain})
        for (int edge : {0, 1, 3})
            EXPECT_EQ(Panel(*s).at("rect").at(edge), Panel(closed).at("rect").at(edge)) << edge;
}

TEST(PanelMenu, TheHelpAlwaysOpensAtItsFirstPage) {
    const emulator::Json state = PlayScenario(
        kStart +
        "panel menu 8\nsnapshot first\npanel click 81\n"
        "panel click 81\nsnapshot third\npanel menu 8\npanel menu 8\nsnapshot again\n");
    EXPECT_EQ(PanelItem(Snapshot(state, "third"), 136).at("text"), "3");
    for (const char* name : {"first", "again"}) {
        const emulator::Json* s = &Snapshot(state, name);
        EXPECT_EQ(PanelItem(*s, 136).at("text"), "1");
        EXPECT_EQ(PanelItem(*s, 80).at("text").get<std::string>().rfind("ALT-CLIC\r\n", 0), 0u);
        EXPECT_FALSE(Enabled(*s, 82));
        EXPECT_TRUE(Enabled(*s, 81));
    }
}

struct PositionCase {
    std::string name;
    std::string choice;  // the menu choice and what closes what it opens
};

class PanelMenuPosition : public ::testing::TestWithParam<PositionCase> {};

// A menu choice is no edit of the figure: a figure the host's own tool moved stays where it
// was moved, and the position field shows it there.
TEST_P(PanelMenuPosition, NoChoiceMovesTheFigure) {
    const std::vector<Point> clicks = {{100, 100}, {160, 180}, {100, 260}, {40, 180}};
    emulator::Json state =
        PlayScenario(kStart + Clicks(clicks) + "move-art 1 30 0\nsnapshot moved\n" +
                     GetParam().choice + "snapshot chosen\n");

    const emulator::Json& moved = Snapshot(state, "moved");
    ASSERT_EQ(Anchors(ArtPaths(moved).at(0)).at(0), Point(130, 100));
    EXPECT_EQ(PanelValue(moved, 22), 130);
    const emulator::Json& chosen = Snapshot(state, "chosen");
    std::vector<emulator::Json> paths = ArtPaths(chosen);
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(Anchors(paths[0]), Anchors(ArtPaths(moved).at(0)));
    EXPECT_EQ(PanelValue(chosen, 22), Anchors(paths[0]).at(0).first);
}

INSTANTIATE_TEST_SUITE_P(
    PanelMenu, PanelMenuPosition,
    ::testing::Values(PositionCase{"Arbitrary", "panel menu 0\n"},
                      PositionCase{"Square", "panel menu 1\n"},
                      PositionCase{"Rectangle", "panel menu 2\n"},
                      PositionCase{"Rhombus", "panel menu 3\n"},
                      PositionCase{"Parallelogram", "panel menu 4\n"},
                      PositionCase{"Preferences", "panel menu 6\ndialog click 2\n"},
                      PositionCase{"HelpShown", "panel menu 8\n"},
                      PositionCase{"HelpHidden", "panel menu 8\npanel menu 8\n"}),
    CaseName<PositionCase>);

}  // namespace
