// The plug-in in a view zoomed and scrolled as the user left it: a click lands on the
// artwork point under the pointer, the plug-in finds its vertices there, and draws its
// annotations at the pixels that show them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/annotation_lookup.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"

namespace {

// An 800 x 600 window at 400 %, zoomed at its top-left corner, then scrolled by 400 pixels
// to the right and 300 down: its top-left pixel shows the artwork point (100, 767).
constexpr const char* kZoomedAndScrolled = "view-size 800 600\nzoom 4 at 0 0\nscroll 400 300\n";
constexpr double kZoom = 4;
const Point kOrigin = {100, 767};

// The artwork point under PIXEL, as the page of `ortaq-host serve` works it out.
Point UnderPixel(const Point& pixel) {
    return {kOrigin.first + pixel.first / kZoom, kOrigin.second - pixel.second / kZoom};
}

Point PixelOf(const Point& point) {
    return {(point.first - kOrigin.first) * kZoom, (kOrigin.second - point.second) * kZoom};
}

Point Centre(const emulator::Json& drawn) {
    const emulator::Json& c = drawn.at("coords");
    return {(c.at(0).get<double>() + c.at(2).get<double>()) / 2,
            (c.at(1).get<double>() + c.at(3).get<double>()) / 2};
}

// A rectangle clicked at these pixels: 100 by 75 points.
const std::vector<Point> kPixels = {{100, 100}, {500, 100}, {500, 400}, {100, 400}};

std::vector<Point> Clicked() {
    std::vector<Point> points;
    for (const Point& pixel : kPixels) points.push_back(UnderPixel(pixel));
    return points;
}

TEST(ZoomedAndScrolledView, AClickLandsUnderThePointerAndTheAnnotationsFollowIt) {
    const std::vector<Point> corners = Clicked();
    emulator::Json state =
        PlayScenario(std::string("start\n") + kZoomedAndScrolled + "select-tool\n" +
                     Clicks(corners) + Step("move", corners[1]));
    EXPECT_EQ(state.at("view").at("size"), emulator::Json({800, 600}));
    std::vector<emulator::Json> paths = ArtPaths(state);
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(Anchors(paths[0]), corners);
    // Found by the hit test at that zoom and scroll: vertex 2's cursor.
    EXPECT_EQ(state.at("cursor"), 20004);

    // Vertex 2 hovered: its two sides and the diagonal through it are labelled, each label
    // centred on the pixel showing its midpoint.
    std::vector<Point> centres;
    for (const Label& label : Labels(state)) centres.push_back(Centre(label.box));
    auto midpoint = [&](int a, int b) {
        return PixelOf({(corners[a].first + corners[b].first) / 2,
                        (corners[a].second + corners[b].second) / 2});
    };
    const std::vector<Point> expected = {midpoint(0, 1), midpoint(1, 2), midpoint(1, 3)};
    ASSERT_EQ(centres.size(), expected.size());
    for (const Point& want : expected) {
        bool found = false;
        for (const Point& centre : centres)
            found |= std::abs(centre.first - want.first) <= 1 &&
                     std::abs(centre.second - want.second) <= 1;
        EXPECT_TRUE(found) << "no label centred on pixel (" << want.first << ", " << want.second
                           << ")";
    }
}

}  // namespace
