// What the annotator draws in each state of the tool, end to end through the host's
// annotation layer: a vertex hovered, a quadrilateral just completed, one being clicked;
// and when it draws nothing.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/annotation_lookup.h"
#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"

namespace {

// A rectangle of 200 by 150 points drawn as an arbitrary quadrilateral: sides of 70,56
// and 52,92 mm, diagonals of 88,19 mm.
const std::vector<Point> kRectangle = {{60, 600}, {260, 600}, {260, 750}, {60, 750}};
const Point kAside{400, 300};
const emulator::Json kMagenta = {65535, 0, 65535};
const emulator::Json kBoxGrey = {65000, 65000, 65000};

const std::string kStart = "start\nselect-tool\n";
// Snapshots: each click count with the pointer aside, the rectangle just completed, and
// its vertex 2 hovered.
const std::string kGestures = [] {
    std::string steps = kStart + Step("move", kAside) + "snapshot clicks0\n";
    for (int i = 0; i < 3; ++i)
        steps += Step("click", kRectangle[i]) + Step("move", kAside) + "snapshot clicks" +
                 std::to_string(i + 1) + "\n";
    return steps + Step("click", kRectangle[3]) + "snapshot completed\n" +
           Step("move", kRectangle[1]) + "snapshot hovered\n";
}();

Point Between(const Point& a, const Point& b) {
    return InView({(a.first + b.first) / 2, (a.second + b.second) / 2});
}

Point Midpoint(int a, int b) {
    return Between(kRectangle[a], kRectangle[b]);
}

// The centre of a label's box, to a pixel.
void ExpectLabelAt(const Label& label, const Point& centre, const std::string& text) {
    const emulator::Json& box = label.box.at("coords");
    EXPECT_NEAR((box[0].get<double>() + box[2].get<double>()) / 2, centre.first, 1) << text;
    EXPECT_NEAR((box[1].get<double>() + box[3].get<double>()) / 2, centre.second, 1) << text;
    EXPECT_EQ(label.text.at("text"), text);
}

emulator::Json LineBetween(int a, int b) {
    Point from = InView(kRectangle[a]), to = InView(kRectangle[b]);
    return {from.first, from.second, to.first, to.second};
}

const emulator::Json& CurrentLayer(const emulator::Json& state) {
    for (const emulator::Json& layer : state.at("document").at("layers"))
        if (layer.at("current") == true) return layer;
    throw std::runtime_error("no current layer");
}

std::vector<std::string> Ops(const emulator::Json& state) {
    std::vector<std::string> ops;
    for (const emulator::Json& drawn : state.at("annotations").at("drawing"))
        ops.push_back(drawn.at("op"));
    return ops;
}

TEST(AnnotationModes, HoveringVertex2ShowsTheRingDiagonal2ItsLabelsAndEveryRightAngle) {
    emulator::Json played = PlayScenario(kGestures);
    const emulator::Json& state = Snapshot(played, "hovered");
    const std::vector<std::string> rest(8, "line");
    std::vector<std::string> expectedOps = {"ellipse", "line", "rect", "text",
                                            "rect",    "text", "rect", "text"};
    expectedOps.insert(expectedOps.end(), rest.begin(), rest.end());
    ASSERT_EQ(Ops(state), expectedOps);

    const emulator::Json& ring = state.at("annotations").at("drawing").at(0);
    Point vertex = InView(kRectangle[1]);
    EXPECT_EQ(ring.at("coords"), emulator::Json({vertex.first - 3, vertex.second - 3,
                                                 vertex.first + 3, vertex.second + 3}));
    EXPECT_FALSE(ring.at("filled").get<bool>());
    EXPECT_EQ(ring.at("line_width"), 2.0);
    EXPECT_EQ(ring.at("color"), CurrentLayer(state).at("color"));

    const emulator::Json diagonal = Drawn(state, "line").at(0);
    EXPECT_EQ(diagonal.at("coords"), LineBetween(1, 3));
    EXPECT_EQ(diagonal.at("line_width"), 1.0);

    std::vector<Label> labels = Labels(state);
    ASSERT_EQ(labels.size(), 3u);
    ExpectLabelAt(labels[0], Midpoint(0, 1), "70,56 mm");
    ExpectLabelAt(labels[1], Midpoint(1, 2), "52,92 mm");
    ExpectLabelAt(labels[2], Midpoint(1, 3), "88,19 mm");

    std::vector<Mark> marks = Marks(state);
    ASSERT_EQ(marks.size(), 4u);
    const int neighbours[4][2] = {{1, 3}, {0, 2}, {1, 3}, {2, 0}};
    for (int v = 0; v < 4; ++v)
        EXPECT_TRUE(SameMark(
            marks[v], ExpectedMark(InView(kRectangle[v]), InView(kRectangle[neighbours[v][0]]),
                                   InView(kRectangle[neighbours[v][1]]), 15)))
            << "vertex " << v + 1;
}

TEST(AnnotationModes, RightAfterTheLastClickEverySideAndTheActiveDiagonalAreLabelled) {
    emulator::Json played = PlayScenario(kGestures);
    const emulator::Json& state = Snapshot(played, "completed");
    // The active diagonal, then the labels: no ring and no right-angle mark.
    ASSERT_EQ(Ops(state), (std::vector<std::string>{"line", "rect", "text", "rect", "text", "rect",
                                                    "text", "rect", "text", "rect", "text"}));
    EXPECT_EQ(Drawn(state, "line").at(0).at("coords"), LineBetween(0, 2));
    std::vector<Label> labels = Labels(state);
    ExpectLabelAt(labels[0], Midpoint(0, 1), "70,56 mm");
    ExpectLabelAt(labels[1], Midpoint(1, 2), "52,92 mm");
    ExpectLabelAt(labels[2], Midpoint(2, 3), "70,56 mm");
    ExpectLabelAt(labels[3], Midpoint(3, 0), "52,92 mm");
    ExpectLabelAt(labels[4], Midpoint(0, 2), "88,19 mm");
}

TEST(AnnotationModes, WhileClickingTheLabelsFollowTheClicks) {
    emulator::Json state = PlayScenario(kGestures);
    // With no click, at most the mark at vertex 4 (of whatever the record holds).
    EXPECT_TRUE(Labels(Snapshot(state, "clicks0")).empty());
    EXPECT_TRUE(Drawn(Snapshot(state, "clicks0"), "ellipse").empty());
    // Side 1 from the first click; side 2 from the second; then sides 3 and 4 and the
    // active diagonal. The vertex to come follows the pointer.
    struct Expected {
        const char* snapshot;
        std::vector<Point> centres;
    };
    const std::vector<Point>& r = kRectangle;
    const Expected expected[] = {
        {"clicks1", {Between(r[0], kAside)}},
        {"clicks2", {Midpoint(0, 1), Between(r[1], kAside)}},
        {"clicks3",
         {Midpoint(0, 1), Midpoint(1, 2), Between(r[2], kAside), Between(kAside, r[0]),
          Midpoint(0, 2)}},
    };
    for (const Expected& e : expected) {
        const emulator::Json& clicking = Snapshot(state, e.snapshot);
        std::vector<Label> labels = Labels(clicking);
        ASSERT_EQ(labels.size(), e.centres.size()) << e.snapshot;
        for (size_t i = 0; i < labels.size(); ++i) {
            const emulator::Json& box = labels[i].box.at("coords");
            EXPECT_NEAR((box[0].get<double>() + box[2].get<double>()) / 2, e.centres[i].first, 1)
                << e.snapshot << " label " << i + 1;
            EXPECT_NEAR((box[1].get<double>() + box[3].get<double>()) / 2, e.centres[i].second, 1)
                << e.snapshot << " label " << i + 1;
        }
        EXPECT_TRUE(Drawn(clicking, "ellipse").empty()) << e.snapshot;
    }
}

struct ColourCase {
    std::string name;
    std::string preferences;  // set before start
    emulator::Json colour;    // of texts, lines and marks
};

class AnnotationColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(AnnotationColours, AreTheSmartGuidesOnLightGreyBoxes) {
    const ColourCase& c = GetParam();
    emulator::Json state = PlayScenario(c.preferences + kGestures);
    for (const char* snapshot : {"clicks3", "completed", "hovered"}) {
        const emulator::Json& drawn = Snapshot(state, snapshot);
        ASSERT_FALSE(Labels(drawn).empty()) << snapshot;
        for (const char* op : {"text", "line"})
            for (const emulator::Json& shape : Drawn(drawn, op))
                EXPECT_EQ(shape.at("color"), c.colour) << snapshot << " " << op;
        for (const emulator::Json& box : Drawn(drawn, "rect"))
            EXPECT_EQ(box.at("color"), kBoxGrey) << snapshot;
    }
}

INSTANTIATE_TEST_SUITE_P(Preferences, AnnotationColours,
                         ::testing::Values(ColourCase{"HostDefaultMagenta", "", kMagenta},
                                           ColourCase{"RemovedAreBlack",
                                                      "pref-remove - snapomatic/Color/red\n"
                                                      "pref-remove - snapomatic/Color/green\n"
                                                      "pref-remove - snapomatic/Color/blue\n",
                                                      {0, 0, 0}},
                                           ColourCase{"OwnColourTruncated",
                                                      "pref - snapomatic/Color/red real 0.5\n"
                                                      "pref - snapomatic/Color/green real 0.25\n"
                                                      "pref - snapomatic/Color/blue real 0\n",
                                                      {32767, 16383, 0}},
                                           // Out of range: the low 16 bits of the whole
                                           // number, never an undefined conversion.
                                           ColourCase{"OutOfRangeKeepsTheLowBits",
                                                      "pref - snapomatic/Color/red real 3.5\n"
                                                      "pref - snapomatic/Color/green real -0.5\n"
                                                      "pref - snapomatic/Color/blue real 1e30\n",
                                                      {32764, 32769, 0}}),
                         CaseName<ColourCase>);

TEST(AnnotationModes, NothingIsDrawnWithAnnotationsOffNorOnceTheToolIsPutDown) {
    emulator::Json off = PlayScenario("pref KVTOrtaq MontreAnno bool false\n" + kGestures);
    for (const char* snapshot : {"clicks0", "clicks1", "clicks3", "completed", "hovered"}) {
        const emulator::Json& annotations = Snapshot(off, snapshot).at("annotations");
        EXPECT_TRUE(annotations.at("drawing").empty()) << snapshot;
        EXPECT_TRUE(annotations.at("invalidated").empty()) << snapshot;
    }
    emulator::Json putDown =
        PlayScenario(kGestures + "select-tool \"Adobe Selection Tool\"\nsnapshot putDown\n" +
                     Step("move", kRectangle[1]));
    // Put down, and after a move over the rectangle's vertex.
    EXPECT_EQ(Snapshot(putDown, "putDown").at("annotations").at("annotators").dump(),
              "[{\"name\":\"KVTAnno\",\"active\":false}]");
    EXPECT_TRUE(Snapshot(putDown, "putDown").at("annotations").at("drawing").empty());
    EXPECT_TRUE(putDown.at("annotations").at("drawing").empty());
}

}  // namespace
