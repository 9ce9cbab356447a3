// The length labels the annotator draws, seen in the host's annotation layer: each text in
// a light-grey box of the text's own bounds, centred on its side or diagonal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/models/annotations/annotation_font.h"
#include "tests/support/annotation_lookup.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"

namespace {

// A rectangle of 200 by 150 points (70,56 by 52,92 mm), diagonals of 250 (88,19 mm).
const std::vector<Point> kRectangle = {{60, 600}, {260, 600}, {260, 750}, {60, 750}};

Point Midpoint(const Point& a, const Point& b) {
    return {(a.first + b.first) / 2, (a.second + b.second) / 2};
}

int Coord(const emulator::Json& drawn, int index) {
    return drawn.at("coords").at(index).get<int>();
}

TEST(AnnotationLabels, EachBoxIsItsTextsBoundsCentredOnItsMidpointWithTwoPixelsToSpare) {
    // Just completed: the four sides, then the active diagonal (diagonal 1).
    emulator::Json state = PlayScenario("start\nselect-tool\n" + Clicks(kRectangle));
    struct Expected {
        Point midpoint;
        std::string text;
    };
    const Expected expected[] = {
        {Midpoint(kRectangle[0], kRectangle[1]), "70,56 mm"},
        {Midpoint(kRectangle[1], kRectangle[2]), "52,92 mm"},
        {Midpoint(kRectangle[2], kRectangle[3]), "70,56 mm"},
        {Midpoint(kRectangle[3], kRectangle[0]), "52,92 mm"},
        {Midpoint(kRectangle[0], kRectangle[2]), "88,19 mm"},
    };
    std::vector<Label> labels = Labels(state);
    ASSERT_EQ(labels.size(), std::size(expected));
    const emulator::Json& invalidated = state.at("annotations").at("invalidated");
    ASSERT_GE(invalidated.size(), labels.size());
    size_t firstBox = invalidated.size() - labels.size();
    for (size_t i = 0; i < labels.size(); ++i) {
        const Label& label = labels[i];
        const std::string& text = expected[i].text;
        SCOPED_TRACE("label " + std::to_string(i + 1) + ", " + text);
        EXPECT_EQ(label.text.at("text"), text);
        emulator::TextExtent bounds =
            emulator::AnnotationFont::Default().Measure(std::u32string(text.begin(), text.end()));
        Point centre = InView(expected[i].midpoint);
        int left = static_cast<int>(centre.first) - bounds.width / 2 - 2;
        int top = static_cast<int>(centre.second) - bounds.height / 2 - 2;
        const emulator::Json box = {left, top, left + bounds.width + 4, top + bounds.height + 4};
        EXPECT_EQ(label.box.at("coords"), box);
        EXPECT_EQ(label.text.at("coords"), box);
        EXPECT_EQ(invalidated.at(firstBox + i), box);
        EXPECT_TRUE(label.box.at("filled").get<bool>());
        EXPECT_EQ(label.box.at("color"), emulator::Json({65000, 65000, 65000}));
        EXPECT_EQ(label.text.at("color"), emulator::Json({65535, 0, 65535}));
        EXPECT_EQ(label.text.at("align"), emulator::Json({1, 1}));
        EXPECT_EQ(label.text.at("font"), 0);
    }
}

TEST(AnnotationLabels, KeepTheirPixelSizeAtEveryZoom) {
    const Point vertex2 = kRectangle[1];
    emulator::Json state =
        PlayScenario("start\nselect-tool\n" + Clicks(kRectangle) + Step("move", vertex2) +
                     "snapshot zoom1\nzoom 2\n" + Step("move", vertex2) + "snapshot zoom2\n");
    std::vector<Label> atZoom1 = Labels(Snapshot(state, "zoom1"));
    std::vector<Label> atZoom2 = Labels(Snapshot(state, "zoom2"));
    ASSERT_EQ(atZoom1.size(), 3u);
    ASSERT_EQ(atZoom2.size(), atZoom1.size());
    for (size_t i = 0; i < atZoom1.size(); ++i) {
        const emulator::Json &actual = atZoom1[i].box, &zoomed = atZoom2[i].box;
        EXPECT_EQ(Coord(zoomed, 2) - Coord(zoomed, 0), Coord(actual, 2) - Coord(actual, 0)) << i;
        EXPECT_EQ(Coord(zoomed, 3) - Coord(zoomed, 1), Coord(actual, 3) - Coord(actual, 1)) << i;
        // Still centred on the midpoint, which is twice as far from the view's corner.
        EXPECT_NEAR((Coord(zoomed, 0) + Coord(zoomed, 2)) / 2.0,
                    (Coord(actual, 0) + Coord(actual, 2)), 1.5)
            << i;
    }
}

}  // namespace
