// The host's selection tool with the real plug-in: a press selects a figure the plug-in
// drew, a drag moves it (the plug-in's panel follows, and its tool finds the figure where it
// went), Delete and Backspace delete it, Escape and a press over nothing drop it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

const std::vector<Point> kKite = {{100, 100}, {160, 180}, {100, 260}, {40, 180}};
const char* const kSelectionTool = "select-tool \"Adobe Selection Tool\"\n";

// Draws the kite with the plug-in's tool, then takes the host's selection tool.
std::string KiteThenSelectionTool() {
    return "start\nselect-tool\n" + Clicks(kKite) + kSelectionTool;
}

std::vector<Point> Shifted(const std::vector<Point>& points, double dh, double dv) {
    std::vector<Point> shifted;
    for (const auto& [h, v] : points) shifted.push_back({h + dh, v + dv});
    return shifted;
}

const emulator::Json& Selection(const emulator::Json& state) {
    return state.at("document").at("selection");
}

TEST(SelectionTool, ADragFromInsideAFigureMovesItWholeAndThePanelFollows) {
    std::vector<std::string> notices;
    emulator::Json state =
        PlayScenario(KiteThenSelectionTool() + Step("move", {100, 180}) + Step("down", {100, 180}) +
                         Step("drag", {130, 170}) + Step("drag", {150, 160}) +
                         "snapshot dragged\n" + Step("up", {150, 160}),
                     {}, &notices);
    EXPECT_TRUE(notices.empty()) << notices.front();
    const emulator::Json& dragged = Snapshot(state, "dragged");
    std::vector<emulator::Json> paths = ArtPaths(dragged);
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(Anchors(paths[0]), Shifted(kKite, 50, -20));
    EXPECT_EQ(Selection(dragged), emulator::Json::array({1}));
    // The panel shows the figure where it went: vertex 1's position, same lengths.
    EXPECT_NEAR(PanelValue(dragged, 22), 150, 1e-3);
    EXPECT_NEAR(PanelValue(dragged, 24), 80, 1e-3);
    EXPECT_NEAR(PanelValue(dragged, 3), 100, 1e-3);
    EXPECT_EQ(state.at("document"), dragged.at("document"));
}

TEST(SelectionTool, ThePluginsToolFindsTheMovedFigureWhereItWent) {
    const Point moved3{150, 240};  // vertex 3 after a move by (50, -20)
    emulator::Json state = PlayScenario(
        KiteThenSelectionTool() + Step("down", {160, 180}) + Step("drag", {210, 160}) +
        Step("up", {210, 160}) + "select-tool\n" + Step("move", moved3) + "snapshot hovered\n" +
        Step("down", moved3) + Step("drag", {170, 250}) + Step("up", {170, 250}));
    EXPECT_EQ(Snapshot(state, "hovered").at("cursor"), 20005);
    std::vector<Point> expected = Shifted(kKite, 50, -20);
    expected[2] = {170, 250};
    EXPECT_EQ(Anchors(ArtPaths(state).at(0)), expected);
}

struct KeyCase {
    std::string name;
    std::string key;
    bool deletes;
};

class SelectionKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SelectionKeys, ActOnTheSelectionWhateverToolIsInHand) {
    const KeyCase& c = GetParam();
    for (const std::string& toolBack : {std::string(), std::string("select-tool\n")}) {
        emulator::Json played = PlayScenario(KiteThenSelectionTool() + Step("click", {100, 180}) +
                                             toolBack + "key " + c.key + "\nsnapshot keyed\n");
        const emulator::Json& state = Snapshot(played, "keyed");
        EXPECT_EQ(Selection(state), emulator::Json::array()) << toolBack;
        EXPECT_EQ(ArtPaths(state).size(), c.deletes ? 0u : 1u) << toolBack;
        // The plug-in hears the deletion: its panel shows no figure.
        if (c.deletes) {
            EXPECT_EQ(PanelValue(state, 3), 0) << toolBack;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, SelectionKeys,
                         ::testing::Values(KeyCase{"Delete", "delete", true},
                                           KeyCase{"Backspace", "backspace", true},
                                           KeyCase{"Escape", "escape", false}),
                         CaseName<KeyCase>);

TEST(SelectionTool, APressOverNothingOrOnALockedLayerSelectsNothing) {
    std::vector<std::string> notices;
    emulator::Json state =
        PlayScenario(KiteThenSelectionTool() + Step("click", {100, 180}) + "snapshot selected\n" +
                         Step("click", {400, 500}) + "snapshot dropped\n" +
                         Step("click", {100, 180}) + "layer-lock \"Calque 1\"\nsnapshot locked\n" +
                         Step("click", {100, 180}) + "key delete\n",
                     {}, &notices);
    EXPECT_EQ(Selection(Snapshot(state, "selected")), emulator::Json::array({1}));
    EXPECT_EQ(Selection(Snapshot(state, "dropped")), emulator::Json::array());
    // Locking the layer forgets its selection; its art is never hit.
    EXPECT_EQ(Selection(Snapshot(state, "locked")), emulator::Json::array());
    EXPECT_EQ(Selection(state), emulator::Json::array());
    EXPECT_EQ(ArtPaths(state).size(), 1u);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("nothing is selected"), std::string::npos) << notices[0];
}

TEST(SelectionTool, ArtDeletedUnderTheGestureIsNeitherShownSelectedNorMoved) {
    // The figure is deleted by another hand (delete-art) while selected, then a drag of the
    // gesture that held it moves nothing.
    std::vector<std::string> notices;
    emulator::Json state =
        PlayScenario(KiteThenSelectionTool() + Step("down", {100, 180}) + "delete-art 1\n" +
                         Step("drag", {150, 160}) + Step("up", {150, 160}),
                     {}, &notices);
    EXPECT_EQ(Selection(state), emulator::Json::array());
    EXPECT_TRUE(ArtPaths(state).empty());
    EXPECT_TRUE(notices.empty());
}

}  // namespace
