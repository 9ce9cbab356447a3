// The panel shows and edits the figure as the document holds it, played by `ortaq-host play
// --check` as a user would: several figures, other tools moving and deleting them, locked
// layers, refusals, far positions. Every case also holds the validator's invariants after
// each line (the panel shows a figure of the document, a group's name is its figure's kind,
// locked art does not change).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "emulator/common/json.h"
#include "tests/support/case_name.h"
#include "tests/support/run_command.h"
#include "tests/support/state_lookup.h"

namespace {

const std::string kHost = ORTAQ_HOST_PATH;
const std::string kPlugin = ORTAQ_PLUGIN_PATH;

// An upright 100-pt square A at (100, 100), drawn as an arbitrary quadrilateral.
const char* const kA = "click 100 100\nclick 200 100\nclick 200 200\nclick 100 200\n";
const std::vector<Point> kAnchorsA = {{100, 100}, {200, 100}, {200, 200}, {100, 200}};

struct TruthCase {
    const char* name;
    const char* lines;  // after "start" and "select-tool"
    std::function<void(const emulator::Json& state)> check;
    int alerts = 0;
};

std::string Text(const emulator::Json& state, int item) {
    return PanelItem(state, item).at("text");
}

// The figures' anchors, newest first, and their groups' names.
std::vector<std::vector<Point>> Figures(const emulator::Json& state) {
    std::vector<std::vector<Point>> figures;
    for (const emulator::Json& path : ArtPaths(state)) figures.push_back(Anchors(path));
    return figures;
}

void ExpectAnchors(const std::vector<Point>& actual, const std::vector<Point>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[i].first, expected[i].first, 1e-3) << "vertex " << i + 1;
        EXPECT_NEAR(actual[i].second, expected[i].second, 1e-3) << "vertex " << i + 1;
    }
}

double Side(const std::vector<Point>& v, size_t n) {
    const Point& p = v[n - 1];
    const Point& q = v[n % 4];
    return std::hypot(q.first - p.first, q.second - p.second);
}

const std::vector<TruthCase> kCases = {
    {"hover_makes_the_figure_current_whole",
     // B, a 50-pt square turned to 135°; then A's vertex 1 is hovered and turned by one degree.
     "\tA\nclick 300 300\nclick 350 300\nclick 350 350\nclick 300 350\npanel slide 15 135\n"
     "move 100 100\nsnapshot hovered\npanel press 16\n",
     [](const emulator::Json& state) {
         const emulator::Json& hovered = Snapshot(state, "hovered");
         EXPECT_EQ(PanelValue(hovered, 15), 90);
         EXPECT_EQ(Text(hovered, 18), "Aire=1244,52 mm2");
         // A turned from its own 90°, B stayed at 135°.
         EXPECT_NEAR(PanelValue(state, 15), 91, 1e-3);
         std::vector<std::vector<Point>> figures = Figures(state);
         ASSERT_EQ(figures.size(), 2u);
         EXPECT_NEAR(figures[1][0].first, 100, 1e-3);
         EXPECT_NEAR(Side(figures[1], 1), 100, 1e-3);
         EXPECT_NEAR(std::atan2(figures[0][3].second - figures[0][0].second,
                                figures[0][3].first - figures[0][0].first) *
                         180 / std::numbers::pi,
                     135, 1e-3);
     }},
    {"an_edit_keeps_the_hovered_figures_own_kind",
     // A rectangle, then a rhombus drawn: side 1 of the rectangle typed stays a rectangle's.
     "panel menu 2\nclick 100 100\nclick 200 100\nclick 200 150\npanel menu 3\n"
     "click 300 300\nclick 350 300\nclick 380 350\nmove 100 100\npanel type 3 \"120 pt\"\n",
     [](const emulator::Json& state) {
         std::vector<emulator::Json> groups = Groups(state);
         ASSERT_EQ(groups.size(), 2u);
         EXPECT_EQ(groups[0].at("name"), "Losange");
         EXPECT_EQ(groups[1].at("name"), "Rectangle");
         ExpectAnchors(Figures(state)[1], {{100, 100}, {220, 100}, {220, 150}, {100, 150}});
     }},
    {"an_edit_after_a_vertex_drag_keeps_the_drag",
     "\tA\nmove 100 200\ndown 100 200\ndrag 90 260\nup 90 260\nsnapshot dragged\n"
     "panel type 3 \"100 pt\"\n",
     [](const emulator::Json& state) {
         EXPECT_NEAR(PanelValue(Snapshot(state, "dragged"), 15),
                     std::atan2(160, -10) * 180 / std::numbers::pi, 1e-3);
         ExpectAnchors(Figures(state)[0], {{100, 100}, {200, 100}, {200, 200}, {90, 260}});
     }},
    {"a_figure_moved_by_another_tool_is_edited_where_it_is",
     "\tA\nmove-art 1 200 0\nsnapshot moved\npanel type 24 \"150\"\n",
     [](const emulator::Json& state) {
         EXPECT_EQ(PanelValue(Snapshot(state, "moved"), 22), 300);
         ExpectAnchors(Figures(state)[0], {{300, 150}, {400, 150}, {400, 250}, {300, 250}});
     }},
    {"edits_of_a_figure_on_a_locked_layer_are_refused",
     "\tA\nlayer-lock \"Calque 1\"\npanel type 3 \"50 pt\"\nalert ok\npanel slide 15 30\n"
     "alert ok\npanel press 16\nalert ok\npanel type 22 150\nalert ok\n",
     [](const emulator::Json& state) {
         ExpectAnchors(Figures(state)[0], kAnchorsA);
         EXPECT_EQ(PanelValue(state, 15), 90);
         EXPECT_EQ(PanelValue(state, 22), 100);
     },
     4},
    {"a_refused_edit_changes_nothing_and_the_next_starts_from_the_figure",
     "click 100 100\nclick 200 100\nclick 200 160\nclick 100 200\npanel type 11 \"300 pt\"\n"
     "alert ok\nsnapshot refused\npanel press 16\npanel press 17\n",
     [](const emulator::Json& state) {
         const emulator::Json& refused = Snapshot(state, "refused");
         ExpectAnchors(Anchors(ArtPaths(refused)[0]),
                       {{100, 100}, {200, 100}, {200, 160}, {100, 200}});
         EXPECT_NEAR(PanelValue(refused, 11), std::hypot(100, 60), 1e-3);
         ExpectAnchors(Figures(state)[0], {{100, 100}, {200, 100}, {200, 160}, {100, 200}});
     },
     1},
    {"an_edit_that_moves_vertex_1_moves_the_position_fields",
     "\tA\npanel click 27\npanel type 3 \"150 pt\"\n",
     [](const emulator::Json& state) {
         const Point v1 = Figures(state)[0][0];
         EXPECT_NE(v1, Point(100, 100));
         EXPECT_NEAR(PanelValue(state, 22), v1.first, 1e-3);
         EXPECT_NEAR(PanelValue(state, 24), v1.second, 1e-3);
     }},
    {"a_far_position_is_bounded_and_the_figure_keeps_its_shape",
     "\tA\npanel type 22 100000000\nsnapshot far\npanel type 22 100\n",
     [](const emulator::Json& state) {
         EXPECT_EQ(PanelValue(Snapshot(state, "far"), 22), 16344);
         ExpectAnchors(Figures(state)[0], kAnchorsA);
     }},
    {"a_kind_chosen_renames_no_finished_figure",
     "panel menu 2\nclick 100 100\nclick 200 100\nclick 200 150\npanel menu 3\npanel menu 1\n",
     [](const emulator::Json& state) { EXPECT_EQ(Groups(state).at(0).at("name"), "Rectangle"); }},
    {"a_deleted_figure_leaves_no_annotation_and_takes_no_edit",
     "\tA\ndelete-art 1\nsnapshot deleted\npanel type 3 \"50 pt\"\n",
     [](const emulator::Json& state) {
         const emulator::Json& deleted = Snapshot(state, "deleted");
         EXPECT_TRUE(deleted.at("annotations").at("drawing").empty());
         for (int field : {3, 5, 7, 9, 11, 13}) EXPECT_EQ(PanelValue(state, field), 0) << field;
         EXPECT_EQ(Text(state, 18), "Aire=0,00 mm2");
         EXPECT_TRUE(ArtPaths(state).empty());
     }},
    {"a_figure_moved_far_away_draws_no_wrapped_label_or_ring",
     "\tA\nmove-art 1 1e30 0\nmove 1e30 100\nsnapshot far\n",
     [](const emulator::Json& state) {
         for (const emulator::Json& op : Snapshot(state, "far").at("annotations").at("drawing")) {
             EXPECT_NE(op.at("op"), "text") << op.dump();
             EXPECT_NE(op.at("op"), "ellipse") << op.dump();
         }
         EXPECT_FLOAT_EQ(static_cast<float>(PanelValue(state, 22)), 1e30f);
     }},
    // A rectangle whose third click is far beyond any page: its area does not fit the
    // read-out, which says so, and the figure is still the one the panel shows.
    {"an_area_too_large_for_its_digits_is_written_hashes",
     "panel menu 2\ndown 488.5 568\nup 330.9 596\ndown 43.7 221.1\nup 577.7 263\n"
     "down 287.4 83\nup 473.9 455\nclick 287.4 83\nclick 484.3 0.05\n"
     "down 2791581082725109138082074984448 492231110196502736247227154432\nup 575 265.7\n"
     "panel choose 28 3\n",
     [](const emulator::Json& state) { EXPECT_EQ(Text(state, 18), "Aire=#### pt2"); }},
    {"the_area_is_the_true_area_to_the_cent",
     "panel choose 28 3\nclick 500.3 823.9\nclick 502.5 823.9\nclick 502.5 826.1\n"
     "click 500.3 826.1\n",
     [](const emulator::Json& state) { EXPECT_EQ(Text(state, 18), "Aire=4,84 pt2"); }},
    {"turning_back_and_forth_keeps_the_size_and_the_angle_within_a_turn",
     nullptr,  // made below: 360 presses of + then 360 of -
     [](const emulator::Json& state) {
         const emulator::Json& midway = Snapshot(state, "midway");
         EXPECT_GT(PanelValue(midway, 15), -180);
         EXPECT_LE(PanelValue(midway, 15), 180);
         std::vector<Point> v = Figures(state)[0];
         for (size_t n = 1; n <= 4; ++n) EXPECT_NEAR(Side(v, n), 100, 1e-4) << "side " << n;
         EXPECT_NEAR(PanelValue(state, 15), 90, 1e-3);
     }},
};

std::string Lines(const TruthCase& c) {
    if (c.lines != nullptr) {
        std::string lines = c.lines;
        if (size_t mark = lines.find("\tA\n"); mark != std::string::npos)
            lines.replace(mark, 3, kA);
        return lines;
    }
    std::string lines = kA;
    for (int i = 0; i < 360; ++i) lines += "panel press 16\n";
    lines += "snapshot midway\n";
    for (int i = 0; i < 360; ++i) lines += "panel press 17\n";
    return lines;
}

class PanelTruth : public ::testing::TestWithParam<TruthCase> {
  protected:
    void SetUp() override { dir_ = TemporaryDirectory(); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string dir_;
};

TEST_P(PanelTruth, ShowsAndEditsTheFigureAsTheDocumentHoldsIt) {
    const TruthCase& c = GetParam();
    WriteTextFile(dir_ + "/s.scn", "start\nselect-tool\n" + Lines(c) + "snapshot end\n");
    CommandResult result =
        RunCommand("timeout 60 " + kHost + " play " + dir_ + "/s.scn --check --plugin " + kPlugin +
                   " --json " + dir_ + "/s.json");
    ASSERT_EQ(result.status, 0) << result.err;
    emulator::Json played = emulator::Json::parse(ReadTextFile(dir_ + "/s.json"));
    // The panel as the user left it, before the host shut the plug-in down.
    emulator::Json state = Snapshot(played, "end");
    state["snapshots"] = played.at("snapshots");
    c.check(state);
    EXPECT_EQ(played.at("alerts").size(), static_cast<size_t>(c.alerts));
}

INSTANTIATE_TEST_SUITE_P(Panel, PanelTruth, ::testing::ValuesIn(kCases), CaseName<TruthCase>);

}  // namespace
