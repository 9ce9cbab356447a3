// The host's undo and redo through the real plug-in: each kind of step taken back and
// redone exactly, the steps to redo dropped by a new change, a gesture abandoned, and the
// plug-in's panel and hovering after its figure went and came back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

const std::vector<Point> kKite = {{100, 100}, {160, 180}, {100, 260}, {40, 180}};
const std::string kKiteDrawn = "start\nselect-tool\n" + Clicks(kKite) + Step("move", {500, 700});

const emulator::Json& DocumentAt(const emulator::Json& state, const std::string& snapshot) {
    return Snapshot(state, snapshot).at("document");
}

const emulator::Json& History(const emulator::Json& state) {
    return state.at("history");
}

struct StepCase {
    std::string name;
    std::string before;  // what the document holds first
    std::string step;    // the one step undone then redone
};

class UndoRedo : public ::testing::TestWithParam<StepCase> {};

TEST_P(UndoRedo, TakesTheDocumentBackAndOnExactly) {
    const StepCase& c = GetParam();
    std::vector<std::string> notices;
    emulator::Json state = PlayScenario(c.before + "snapshot before\n" + c.step +
                                            "snapshot after\nundo\nsnapshot undone\nredo\n"
                                            "snapshot redone\n",
                                        {}, &notices);
    EXPECT_TRUE(notices.empty()) << notices.front();
    EXPECT_NE(DocumentAt(state, "before"), DocumentAt(state, "after"))
        << "the step changed nothing";
    EXPECT_EQ(DocumentAt(state, "undone"), DocumentAt(state, "before"));
    EXPECT_EQ(DocumentAt(state, "redone"), DocumentAt(state, "after"));
    EXPECT_EQ(History(Snapshot(state, "undone")).at("redo"), 1);
    EXPECT_TRUE(state.at("errors").empty()) << state.at("errors").dump();
}

INSTANTIATE_TEST_SUITE_P(
    EachKindOfStep, UndoRedo,
    ::testing::Values(StepCase{"AWholeFigureClicked", "start\nselect-tool\n", Clicks(kKite)},
                      StepCase{"AVertexDragged", kKiteDrawn,
                               Step("move", kKite[1]) + Step("down", kKite[1]) +
                                   Step("drag", {170, 190}) + Step("drag", {190, 200}) +
                                   Step("up", {190, 200})},
                      StepCase{"APanelEdit", kKiteDrawn, "panel type 5 \"150 pt\"\n"},
                      // The kind chosen ends the creation: the clicks and the choice are one step.
                      StepCase{"AFigureEndedByAKindChosenInThePanelMenu", "start\nselect-tool\n",
                               Clicks({{100, 500}, {200, 500}, {200, 400}}) + "panel menu 2\n"},
                      StepCase{"APathAdded", kKiteDrawn, "add-path 300 300 400 300 400 400\n"},
                      StepCase{"AFigureMoved", kKiteDrawn, "move-art 1 30 -20\n"},
                      StepCase{"AFigureDeleted", kKiteDrawn + "add-path 300 300 400 300 400 400\n",
                               "delete-art 2\n"}),
    CaseName<StepCase>);

TEST(UndoRedoHistory, ANewChangeDropsTheStepsLeftToRedo) {
    std::vector<std::string> notices;
    emulator::Json state = PlayScenario(kKiteDrawn +
                                            "add-path 300 300 400 300 400 400\n"
                                            "undo\nsnapshot undone\n"
                                            "add-path 10 10 50 10 50 50\nredo\n",
                                        {}, &notices);
    EXPECT_EQ(History(Snapshot(state, "undone")).at("redo"), 1);
    EXPECT_EQ(History(state).at("redo"), 0);
    EXPECT_EQ(History(state).at("undo"), 2);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("nothing to redo"), std::string::npos) << notices[0];
    EXPECT_EQ(ArtPaths(state).size(), 2u);  // the kite and the last path
}

TEST(UndoRedoHistory, NothingToUndoAtTheStartIsANotice) {
    std::vector<std::string> notices;
    emulator::Json state = PlayScenario("start\nundo\n", {}, &notices);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("nothing to undo"), std::string::npos);
    EXPECT_EQ(History(state).at("modified"), false);
}

struct GestureCase {
    std::string name;
    std::string gesture;  // left half done
    std::string after;    // what the user does next, with the tool as it now is
};

class UndoMidGesture : public ::testing::TestWithParam<GestureCase> {};

// The gesture goes, and nothing of it is left: no guide, no half figure; the figure drawn
// before it is untouched, and the tool works at once.
TEST_P(UndoMidGesture, AbandonsTheGestureOnly) {
    const GestureCase& c = GetParam();
    emulator::Json state = PlayScenario(kKiteDrawn + "snapshot before\n" + c.gesture +
                                        "undo\nsnapshot abandoned\n" + c.after);
    const emulator::Json& abandoned = Snapshot(state, "abandoned");
    EXPECT_EQ(abandoned.at("document"), DocumentAt(state, "before"));
    EXPECT_TRUE(Guides(abandoned).empty());
    EXPECT_EQ(History(abandoned).at("undo"), 1);  // the kite is still a step to undo
    EXPECT_TRUE(state.at("errors").empty()) << state.at("errors").dump();
    EXPECT_TRUE(Guides(state).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Gestures, UndoMidGesture,
    ::testing::Values(GestureCase{"ACreationAfterTwoClicks", Clicks({{300, 300}, {400, 300}}),
                                  Clicks({{300, 500}, {400, 500}, {400, 600}, {300, 600}})},
                      GestureCase{"AVertexDragWithTheButtonHeld",
                                  Step("move", kKite[1]) + Step("down", kKite[1]) +
                                      Step("drag", {200, 200}),
                                  Step("move", kKite[1]) + Step("down", kKite[1]) +
                                      Step("drag", {150, 150}) + Step("up", {150, 150})}),
    CaseName<GestureCase>);

TEST(UndoMidGesture, TheNextStepsAreWhole) {
    emulator::Json state = PlayScenario(kKiteDrawn + Clicks({{300, 300}, {400, 300}}) + "undo\n" +
                                        Clicks({{300, 500}, {400, 500}, {400, 600}, {300, 600}}) +
                                        "snapshot two\n" + "undo\n");
    EXPECT_EQ(ArtPaths(Snapshot(state, "two")).size(), 2u);
    std::vector<emulator::Json> left = ArtPaths(state);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(Anchors(left[0]), kKite);
}

// The panel shows the figure just drawn; once it is undone the panel shows none of its
// measures, and once redone the plug-in hovers and drags it as before.
TEST(UndoRedoPlugin, ForgetsAFigureUndoneAndFindsItRedone) {
    const Point kEnd{175, 200};
    emulator::Json state = PlayScenario(
        kKiteDrawn + "snapshot drawn\nundo\n" + Step("move", {400, 400}) + "snapshot undone\n" +
        "redo\n" + Step("move", {400, 400}) + Step("move", kKite[1]) + "snapshot hovered\n" +
        Step("down", kKite[1]) + Step("drag", kEnd) + Step("up", kEnd));
    EXPECT_NE(PanelItem(Snapshot(state, "drawn"), 3).at("text"),
              PanelItem(Snapshot(state, "undone"), 3).at("text"));
    EXPECT_TRUE(ArtPaths(Snapshot(state, "undone")).empty());
    EXPECT_NE(Snapshot(state, "hovered").at("cursor"), Snapshot(state, "undone").at("cursor"));
    std::vector<emulator::Json> paths = ArtPaths(state);
    ASSERT_EQ(paths.size(), 1u);
    std::vector<Point> expected = kKite;
    expected[1] = kEnd;
    EXPECT_EQ(Anchors(paths[0]), expected);
    EXPECT_TRUE(state.at("errors").empty()) << state.at("errors").dump();
}

}  // namespace

namespace {

// Three figures, two undone, one redone, saved: another host opens the same document, with
// nothing to undo and nothing modified; the first host's document counts as saved.
TEST(UndoRedoFile, TheDocumentSavedAfterUndoingOpensTheSameAndStartsAFreshHistory) {
    std::string file = testing::TempDir() + "/undone-and-redone.svg";
    const std::vector<Point> kSquare = {{300, 700}, {400, 700}, {400, 600}, {300, 600}};
    const std::vector<Point> kFar = {{100, 400}, {200, 420}, {210, 300}, {90, 310}};
    emulator::Json saved = PlayScenario(kKiteDrawn + Clicks(kSquare) + Clicks(kFar) +
                                        "undo\nundo\nredo\nsave \"" + file + "\"\n");
    EXPECT_EQ(ArtPaths(saved).size(), 2u);
    EXPECT_EQ(History(saved).at("modified"), false);
    std::vector<std::string> notices;
    emulator::Json opened = PlayScenario("open \"" + file + "\"\nstart\nundo\n", {}, &notices);
    EXPECT_EQ(opened.at("document"), saved.at("document"));
    EXPECT_EQ(History(opened).at("modified"), false);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("nothing to undo"), std::string::npos);
}

}  // namespace
