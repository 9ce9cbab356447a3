// Gestures that must never lose or corrupt a figure, played by `ortaq-host play --check`
// as a user would play them: clicks with no pointer move before them, panel actions, other
// figures' vertices, other tools, locked layers and ALT in the middle of a creation, a quit
// and a start with the tool in hand, modal windows. Every case also holds the validator's
// invariants after each line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "emulator/common/json.h"
#include "tests/support/case_name.h"
#include "tests/support/run_command.h"
#include "tests/support/state_lookup.h"

namespace {

const std::string kHost = ORTAQ_HOST_PATH;
const std::string kPlugin = ORTAQ_PLUGIN_PATH;

// A figure as the state shows it: its group's name and its four anchors.
struct Figure {
    std::string group;
    std::vector<Point> vertices;
};

struct GestureCase {
    const char* name;
    const char* lines;            // after "start" and "select-tool"
    std::vector<Figure> figures;  // at the end, newest first
    int alerts = 0;
    const char* notice = "";  // a notice the run must print, if any
    const char* setUp = "";   // before "start"
};

// The first figure every case draws, as the four clicks of an arbitrary quadrilateral.
const char* const kA = "click 100 100\nclick 200 100\nclick 200 200\nclick 100 200\n";
const Figure kFigureA{"Quadrilatère", {{100, 100}, {200, 100}, {200, 200}, {100, 200}}};

const std::vector<GestureCase> kCases = {
    {"last_click_without_move_is_placed_where_it_is",
     "click 100 100\nclick 200 100\nclick 200 200\ndown 100 200\nup 100 200\n",
     {kFigureA}},
    {"rectangle_third_click_without_move_builds_through_it",
     "panel menu 2\nclick 100 100\nclick 200 100\ndown 250 250\nup 250 250\n",
     {{"Rectangle", {{100, 100}, {200, 100}, {200, 258.114}, {100, 258.114}}}}},
    {"square_second_click_without_move_takes_this_gestures_clicks",
     "panel menu 1\nclick 100 100\nclick 200 100\nmove 500 500\ndown 300 300\nup 300 300\n"
     "down 400 300\nup 400 300\n",
     {{"Carré", {{300, 300}, {400, 300}, {400, 400}, {300, 400}}},
      {"Carré", {{100, 100}, {200, 100}, {200, 200}, {100, 200}}}}},
    {"panel_edits_during_a_creation_change_no_figure",
     "\ttwo clicks\n"
     "click 300 300\nclick 400 300\npanel slide 15 30\npanel type 3 \"50 pt\"\n"
     "panel type 22 \"10\"\npanel type 24 \"10\"\npanel press 16\npanel press 17 shift\n"
     "panel menu 8\npanel menu 8\nclick 400 400\nclick 300 400\n",
     {{"Quadrilatère", {{300, 300}, {400, 300}, {400, 400}, {300, 400}}}, kFigureA}},
    {"kind_chosen_when_clicks_settle_it_makes_it_at_once",
     "\ttwo clicks\nclick 300 300\nclick 400 300\nclick 400 400\npanel menu 2\n",
     {{"Rectangle", {{300, 300}, {400, 300}, {400, 400}, {300, 400}}}, kFigureA}},
    {"kind_chosen_needing_more_clicks_waits_and_names_the_group",
     "panel menu 2\nclick 100 100\nclick 200 100\npanel menu 0\nclick 250 250\nclick 100 250\n",
     {{"Quadrilatère", {{100, 100}, {200, 100}, {250, 250}, {100, 250}}}}},
    {"other_figures_vertices_are_creation_clicks",
     "\ttwo clicks\nclick 300 300\nmove 200 200\nclick 200 200\nmove 100 100\nclick 100 100\n"
     "click 400 100\n",
     {{"Quadrilatère", {{300, 300}, {200, 200}, {100, 100}, {400, 100}}}, kFigureA}},
    {"leaving_the_tool_abandons_the_creation",
     "\ttwo clicks\nclick 300 300\nclick 400 300\nselect-tool \"Adobe Selection Tool\"\n"
     "snapshot left\nselect-tool\nclick 300 300\nclick 400 300\nclick 400 400\nclick 300 400\n",
     {{"Quadrilatère", {{300, 300}, {400, 300}, {400, 400}, {300, 400}}}, kFigureA}},
    {"click_on_locked_layer_refused_and_not_counted",
     "\ttwo clicks\nclick 300 300\nclick 400 300\nlayer-lock \"Calque 1\"\nclick 400 400\n"
     "alert ok\npanel press 16\nlayer-unlock \"Calque 1\"\nclick 400 400\nclick 300 400\n",
     {{"Quadrilatère", {{300, 300}, {400, 300}, {400, 400}, {300, 400}}}, kFigureA},
     1},
    {"click_on_locked_separate_layer_refused_and_not_counted",
     "click 100 100\nclick 200 100\nlayer-lock \"KVT.Ortaq\"\nclick 200 200\nalert ok\n"
     "layer-unlock \"KVT.Ortaq\"\nclick 200 200\nclick 100 200\n",
     {kFigureA},
     1,
     "",
     "pref KVTOrtaq Calque bool true\n"},
    {"drag_on_layer_locked_since_press_refused",
     "\ttwo clicks\nmove 200 200\ndown 200 200\nlayer-lock \"Calque 1\"\ndrag 250 250\nalert ok\n"
     "drag 260 260\nup 260 260\n",
     {kFigureA},
     1},
    {"press_starts_what_is_under_the_pointer_now",
     "\ttwo clicks\nmove 200 200\nhold alt\nmove 450 600\nrelease alt\ndown 450 600\n"
     "drag 460 610\nup 460 610\n",
     {kFigureA}},
    {"drag_leaves_no_guide",
     "\ttwo clicks\nmove 200 200\ndown 200 200\ndrag 250 250\nup 250 250\nsnapshot left\n",
     {{"Quadrilatère", {{100, 100}, {200, 100}, {250, 250}, {100, 200}}}}},
    {"quit_and_start_mid_creation_start_clean",
     "click 100 100\nclick 200 100\nquit\nstart\nselect-tool\nsnapshot restarted\n\ttwo clicks\n",
     {kFigureA}},
    {"modal_dialog_takes_the_input",
     "options\noptions\npanel menu 6\ndialog click 1\n\ttwo clicks\n",
     {kFigureA},
     0,
     "is open: `options` reaches nothing under it; nothing happens"},
};

// The case's lines after its set-up, "start" and "select-tool", each tab-marked placeholder
// replaced by the first figure's clicks.
std::string Scenario(const GestureCase& c) {
    std::string lines = c.lines;
    std::string scenario = std::string(c.setUp) + "start\nselect-tool\n";
    size_t from = 0;
    for (size_t mark; (mark = lines.find("\ttwo clicks\n", from)) != std::string::npos;) {
        scenario += lines.substr(from, mark - from) + kA;
        from = mark + std::string("\ttwo clicks\n").size();
    }
    return scenario + lines.substr(from);
}

class Gestures : public ::testing::TestWithParam<GestureCase> {
  protected:
    void SetUp() override { dir_ = TemporaryDirectory(); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string dir_;
};

void ExpectFigures(const emulator::Json& state, const std::vector<Figure>& expected) {
    std::vector<emulator::Json> paths = ArtPaths(state);
    std::vector<emulator::Json> groups = Groups(state);
    ASSERT_EQ(paths.size(), expected.size());
    ASSERT_EQ(groups.size(), expected.size()) << "an empty group is left";
    EXPECT_TRUE(Guides(state).empty());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(groups[i].at("name").get<std::string>(), expected[i].group) << "figure " << i;
        std::vector<Point> anchors = Anchors(paths[i]);
        ASSERT_EQ(anchors.size(), 4u);
        for (size_t v = 0; v < 4; ++v) {
            EXPECT_NEAR(anchors[v].first, expected[i].vertices[v].first, 1e-3)
                << "figure " << i << ", vertex " << v + 1;
            EXPECT_NEAR(anchors[v].second, expected[i].vertices[v].second, 1e-3)
                << "figure " << i << ", vertex " << v + 1;
        }
    }
}

TEST_P(Gestures, KeepTheUsersFigures) {
    const GestureCase& c = GetParam();
    WriteTextFile(dir_ + "/s.scn", Scenario(c));
    CommandResult result =
        RunCommand("timeout 60 " + kHost + " play " + dir_ + "/s.scn --check --plugin " + kPlugin +
                   " --json " + dir_ + "/s.json");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find(c.notice), std::string::npos) << result.err;
    if (std::string(c.notice).empty()) {
        EXPECT_EQ(result.err, "");
    }
    emulator::Json state = emulator::Json::parse(ReadTextFile(dir_ + "/s.json"));
    ExpectFigures(state, c.figures);
    EXPECT_EQ(state.at("alerts").size(), static_cast<size_t>(c.alerts));
    EXPECT_EQ(state.at("annotations").at("annotators").size(), 1u);
    // A restarted plug-in heard of its tool's selection: its panel takes edits.
    if (std::string(c.lines).find("snapshot restarted") != std::string::npos) {
        const emulator::Json& restarted = Snapshot(state, "restarted");
        EXPECT_TRUE(PanelItem(restarted, 3).at("enabled").get<bool>());
        EXPECT_TRUE(Paths(restarted).empty());
    }
    // What the gesture left the moment it ended.
    if (std::string(c.lines).find("snapshot left") != std::string::npos) {
        const emulator::Json& left = Snapshot(state, "left");
        EXPECT_TRUE(Guides(left).empty());
        EXPECT_EQ(Groups(left).size(), ArtPaths(left).size()) << "an empty group is left";
    }
}

INSTANTIATE_TEST_SUITE_P(Tool, Gestures, ::testing::ValuesIn(kCases), CaseName<GestureCase>);

}  // namespace
