// The view as a window onto the artwork: its zoom at a pixel, its scroll, its size and the
// page fitted in it, seen through where artwork points show.
#include "emulator/models/view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <utility>

#include "tests/support/case_name.h"

namespace {

using emulator::View;

struct WindowCase {
    const char* name;
    std::function<void(View&)> steps;  // from a new view: 595 x 842 pixels at zoom 1
    double zoom;
    HostRealPoint origin;
    HostRealPoint artwork;  // a point, and the pixel it shows at
    HostViewPoint pixel;
};

class ViewWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(ViewWindow, ShowsEachArtworkPointWhereTheUserExpectsIt) {
    const WindowCase& c = GetParam();
    View view;
    c.steps(view);
    EXPECT_DOUBLE_EQ(view.Zoom(), c.zoom);
    EXPECT_NEAR(view.Origin().h, c.origin.h, 1e-3);
    EXPECT_NEAR(view.Origin().v, c.origin.v, 1e-3);
    HostViewPoint pixel = view.ToView(c.artwork);
    EXPECT_EQ(pixel.h, c.pixel.h);
    EXPECT_EQ(pixel.v, c.pixel.v);
    HostRealPoint back = view.ToArtwork(c.pixel);
    EXPECT_NEAR(back.h, c.artwork.h, 0.5 / c.zoom);
    EXPECT_NEAR(back.v, c.artwork.v, 0.5 / c.zoom);
}

INSTANTIATE_TEST_SUITE_P(
    Views, ViewWindow,
    ::testing::Values(WindowCase{"ZoomWithoutAPointKeepsTheTopLeftCorner",
                                 [](View& v) { v.SetZoom(4); },
                                 4,
                                 {0, 842},
                                 {10, 832},
                                 {40, 40}},
                      // The point under (100, 200) at zoom 1 is (100, 642).
                      WindowCase{"ZoomAtAPixelKeepsThePointUnderIt",
                                 [](View& v) {
                                     v.ZoomAt(4, {100, 200});
                                 },
                                 4,
                                 {75, 692},
                                 {100, 642},
                                 {100, 200}},
                      WindowCase{"ZoomOutAtAPixelKeepsItToo",
                                 [](View& v) {
                                     v.ZoomAt(0.25, {100, 200});
                                 },
                                 0.25,
                                 {-300, 1442},
                                 {100, 642},
                                 {100, 200}},
                      WindowCase{"ZoomsAtPointsAddUp",
                                 [](View& v) {
                                     v.ZoomAt(2, {300, 400});
                                     v.ZoomAt(8, {10, 20});
                                 },
                                 8,
                                 {153.75, 634.5},
                                 {155, 632},
                                 {10, 20}},
                      WindowCase{"ScrollBringsWhatShowedAtThePixelToTheCorner",
                                 [](View& v) { v.Scroll(50, 80); },
                                 1,
                                 {50, 762},
                                 {50, 762},
                                 {0, 0}},
                      WindowCase{"ScrollBackAndUp",
                                 [](View& v) { v.Scroll(-20, -30); },
                                 1,
                                 {-20, 872},
                                 {0, 842},
                                 {20, 30}},
                      // At 400 %, 400 pixels are 100 points.
                      WindowCase{"ScrollCountsPixelsAtTheZoom",
                                 [](View& v) {
                                     v.SetZoom(4);
                                     v.Scroll(400, 300);
                                 },
                                 4,
                                 {100, 767},
                                 {110, 757},
                                 {40, 40}},
                      WindowCase{"TheSmallestZoom",
                                 [](View& v) {
                                     v.ZoomAt(1.0 / 32, {0, 0});
                                 },
                                 1.0 / 32,
                                 {0, 842},
                                 {320, 522},
                                 {10, 10}},
                      WindowCase{"TheLargestZoom",
                                 [](View& v) {
                                     v.ZoomAt(64, {64, 64});
                                 },
                                 64,
                                 {63, 779},
                                 {63.5, 778.5},
                                 {32, 32}},
                      WindowCase{"TheScrollStopsAtTheCanvasEdge",
                                 [](View& v) {
                                     v.SetZoom(1.0 / 32);
                                     v.Scroll(1000000, -1000000);
                                 },
                                 1.0 / 32,
                                 {16383, 16383},
                                 {16383, 16383},
                                 {0, 0}},
                      WindowCase{"ResizingKeepsTheTopLeftCorner",
                                 [](View& v) {
                                     v.Scroll(10, 10);
                                     v.SetSize(1200, 300);
                                 },
                                 1,
                                 {10, 832},
                                 {1000, 632},
                                 {990, 200}},
                      WindowCase{"FitInTheOpeningWindowIsActualSize",
                                 [](View& v) { v.FitPage(); },
                                 1,
                                 {0, 842},
                                 {595, 0},
                                 {595, 842}},
                      // 421 pixels high: half size, the page's 297.5 pixels centred in 1200.
                      WindowCase{"FitInAWideWindowCentresThePageAcross",
                                 [](View& v) {
                                     v.SetSize(1200, 421);
                                     v.ZoomAt(8, {5, 5});
                                     v.FitPage();
                                 },
                                 0.5,
                                 {-902.5, 842},
                                 {0, 842},
                                 {451, 0}},
                      WindowCase{"FitInATallWindowCentresThePageDown",
                                 [](View& v) {
                                     v.SetSize(1190, 3000);
                                     v.FitPage();
                                 },
                                 2,
                                 {0, 1171},
                                 {595, 0},
                                 {1190, 2342}},
                      WindowCase{"FitInATinyWindowStopsAtTheSmallestZoom",
                                 [](View& v) {
                                     v.SetSize(1, 1);
                                     v.FitPage();
                                 },
                                 1.0 / 32,
                                 {281.5, 437},
                                 {0, 842},
                                 {-9, -13}}),
    CaseName<WindowCase>);

TEST(ViewLimits, ARefusedZoomOrSizeChangesNothing) {
    View view;
    view.ZoomAt(2, {10, 10});
    view.SetSize(800, 600);
    for (double zoom : {0.0, 1.0 / 33, 64.5, -1.0, std::nan("")}) {
        EXPECT_THROW(view.ZoomAt(zoom, {100, 100}), std::invalid_argument) << zoom;
        EXPECT_THROW(view.SetZoom(zoom), std::invalid_argument) << zoom;
    }
    const std::pair<int32_t, int32_t> refused[] = {{0, 600}, {800, -1}, {16385, 600}, {800, 16385}};
    for (auto [width, height] : refused)
        EXPECT_THROW(view.SetSize(width, height), std::invalid_argument)
            << width << " x " << height;
    EXPECT_EQ(view.Zoom(), 2);
    EXPECT_NEAR(view.Origin().h, 5, 1e-4);
    EXPECT_NEAR(view.Origin().v, 837, 1e-4);
    HostRect bounds = view.Bounds();
    EXPECT_EQ(bounds.right, 800);
    EXPECT_EQ(bounds.bottom, 600);
    view.SetSize(16384, 1);
    EXPECT_EQ(view.Bounds().right, 16384);
}

}  // namespace
