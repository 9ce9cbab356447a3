// Selecting and leaving the plug-in's tool, seen in the panel: its controls and its flyout
// menu's entries follow the tool, its visibility does not, and a creation under way ends.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

// The panel's items enabled with the tool, diagonal 1 being the held one.
const std::set<int> kEnabledWithTheTool = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                           12, 15, 16, 17, 18, 20, 21, 22, 24, 27, 28};
// Diagonal 2's field, its focus zone and diagonal 1's button stay disabled meanwhile.
const std::set<int> kDisabledWithTheTool = {13, 14, 26};
// The flyout menu's five kinds, "Préférences..." and the help (the others are separators).
const std::set<int> kMenuEntries = {1, 2, 3, 4, 5, 7, 9};

// Expects the panel of STATE to have the tool's controls and menu entries enabled or not.
void ExpectControlsEnabled(const emulator::Json& state, bool enabled, const std::string& when) {
    for (int id : kEnabledWithTheTool)
        EXPECT_EQ(PanelItem(state, id).at("enabled").get<bool>(), enabled)
            << when << ", item " << id;
    for (int id : kDisabledWithTheTool)
        EXPECT_FALSE(PanelItem(state, id).at("enabled").get<bool>()) << when << ", item " << id;
    for (const emulator::Json& entry : PanelItem(state, -5).at("entries")) {
        int id = entry.at("id").get<int>();
        if (!kMenuEntries.contains(id)) continue;
        EXPECT_EQ(entry.at("enabled").get<bool>(), enabled) << when << ", entry " << id;
    }
}

TEST(ToolSelected, EnablesThePanelsControlsAndMenuEntriesAndLeavingDisablesThem) {
    emulator::Json state = PlayScenario(
        "start\nsnapshot started\nselect-tool\nsnapshot selected\nselect-tool \"Adobe Pen "
        "Tool\"\nsnapshot left\nselect-tool\nsnapshot again\n");
    ExpectControlsEnabled(Snapshot(state, "started"), false, "started");
    ExpectControlsEnabled(Snapshot(state, "selected"), true, "selected");
    ExpectControlsEnabled(Snapshot(state, "left"), false, "left");
    ExpectControlsEnabled(Snapshot(state, "again"), true, "selected again");
    // The kind is back to the arbitrary quadrilateral: only its entry is checked.
    for (const emulator::Json& entry : PanelItem(Snapshot(state, "selected"), -5).at("entries"))
        EXPECT_EQ(entry.at("checked").get<bool>(), entry.at("id") == 1) << entry.at("id");
}

TEST(ToolSelected, LeavesThePanelShownOrHiddenAsItWas) {
    emulator::Json state = PlayScenario(
        "start\nselect-tool\nsnapshot shown\nmenu \"Masquer KVT.Ortaq\"\nselect-tool \"Adobe "
        "Pen Tool\"\nselect-tool\nsnapshot hidden\n");
    EXPECT_TRUE(Panel(Snapshot(state, "shown")).at("visible").get<bool>());
    EXPECT_FALSE(Panel(Snapshot(state, "hidden")).at("visible").get<bool>());
    EXPECT_TRUE(ToolNamed(Snapshot(state, "hidden"), "Outil Ortaq").at("current").get<bool>());

    // Hidden since the last session: selecting the tool does not show it.
    emulator::Json stored = PlayScenario(
        "pref KVTOrtaq kADM_DPVisibleStr bool false\nstart\nselect-tool\nsnapshot s\n");
    EXPECT_FALSE(Panel(Snapshot(stored, "s")).at("visible").get<bool>());
}

TEST(ToolSelected, AbandonsTheCreationUnderWay) {
    // Three clicks, the cursor on a fourth point: the guide shows the whole figure.
    const std::vector<Point> square = {{300, 100}, {400, 100}, {400, 200}, {300, 200}};
    std::string scenario =
        "start\nselect-tool\nclick 100 100\nclick 160 180\nclick 100 260\nmove 40 180\n"
        "select-tool \"Adobe Pen Tool\"\nselect-tool\n";
    for (const Point& vertex : square) {
        scenario += Step("click", vertex);
        if (vertex == square[0]) scenario += "snapshot first\n";
    }
    emulator::Json state = PlayScenario(scenario);

    // The new figure's guide shows its first click alone, nothing of the abandoned one.
    std::vector<emulator::Json> guides = Guides(Snapshot(state, "first"));
    ASSERT_EQ(guides.size(), 1u);
    EXPECT_FALSE(guides[0].at("closed").get<bool>());
    EXPECT_EQ(Anchors(guides[0]), (std::vector<Point>{square[0], square[0]}));

    std::vector<emulator::Json> paths = ArtPaths(state);
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(Anchors(paths[0]), square);
    // The abandoned creation's empty group went at the next figure's first click.
    EXPECT_EQ(Groups(state).size(), 1u);
    EXPECT_TRUE(Guides(state).empty());
}

}  // namespace
