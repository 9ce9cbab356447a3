// The host's selection: the hit test on paths' outlines and areas (the index and the scan of
// every path answer alike), what a press selects, how a drag moves it, and that it is
// forgotten with its art or its layer.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "emulator/models/document/document.h"
#include "emulator/models/tools/selection_tool.h"
#include "host/ai_art.h"
#include "tests/support/case_name.h"

namespace {

using emulator::Art;
using emulator::Document;
using emulator::Layer;
using emulator::SelectionTool;

Art* AddPath(Document& document, Art* group, std::vector<HostPathSegment> segments,
             bool closed = true) {
    HostErr error = kHostNoError;
    Art* path = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, group, error);
    document.SetSegmentCount(*path, segments.size());
    document.SetSegments(*path, 0, segments);
    path->closed = closed;
    return path;
}

std::vector<HostPathSegment> Corners(std::vector<HostRealPoint> anchors) {
    std::vector<HostPathSegment> segments;
    for (HostRealPoint p : anchors) segments.push_back({p, p, p, 1});
    return segments;
}

std::vector<HostPathSegment> Square(float left, float bottom, float side) {
    return Corners({{left, bottom},
                    {left + side, bottom},
                    {left + side, bottom + side},
                    {left, bottom + side}});
}

// From the bottom of the one editable layer up: a figure (a group holding a square 0..100),
// an open path shaped like an L, a dome (a curve from (600, 0) to (700, 0) rising to 75), a
// guide square 400..500, then a square 50..150 on top of the figure. Above them, a locked
// layer with a square 0..30.
struct Scene {
    Document document;
    Art* layerGroup = document.LayerAt(0)->group;
    Art* figure = [&] {
        HostErr error = kHostNoError;
        return document.NewArt(kHostGroupArt, kHostPlaceInsideOnTop, layerGroup, error);
    }();
    Art* figurePath = AddPath(document, figure, Square(0, 0, 100));
    Art* ell = AddPath(document, layerGroup, Corners({{200, 0}, {300, 0}, {300, 100}}), false);
    Art* dome = AddPath(document, layerGroup,
                        {{{600, 0}, {600, 0}, {600, 100}, 1}, {{700, 0}, {700, 100}, {700, 0}, 1}});
    Art* guide = [&] {
        Art* path = AddPath(document, layerGroup, Square(400, 400, 100));
        path->guide = true;
        return path;
    }();
    Art* over = AddPath(document, layerGroup, Square(50, 50, 100));
    Layer* lockedLayer = [&] {
        Layer* layer = document.InsertLayer(nullptr, kHostPlaceAboveAll);
        AddPath(document, layer->group, Square(0, 0, 30));
        document.SetLocked(*layer, true);
        return layer;
    }();

    std::string Name(const Art* path) const {
        return path == nullptr      ? "nothing"
               : path == figurePath ? "figure"
               : path == ell        ? "ell"
               : path == dome       ? "dome"
               : path == over       ? "over"
                                    : "?";
    }
};

// Both ways of finding the path, which must agree; the index's answer.
Art* Hit(Document& document, HostRealPoint point, double radius) {
    document.SetIndexed(false);
    Art* scanned = document.HitPath(point, radius);
    document.SetIndexed(true);
    Art* indexed = document.HitPath(point, radius);
    EXPECT_EQ(indexed, scanned);
    return indexed;
}

struct PathHitCase {
    const char* name;
    HostRealPoint point;
    const char* path;
};

class PathHitTable : public ::testing::TestWithParam<PathHitCase> {};

TEST_P(PathHitTable, IndexAndScanFindTheSamePath) {
    Scene scene;
    EXPECT_EQ(scene.Name(Hit(scene.document, GetParam().point, 3)), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Document, PathHitTable,
    ::testing::Values(PathHitCase{"OnAnEdge", {100, 40}, "figure"},
                      PathHitCase{"WithinReachOfAnEdge", {102.9f, 40}, "figure"},
                      PathHitCase{"JustBeyondReach", {103.1f, 40}, "nothing"},
                      PathHitCase{"InsideAClosedPath", {70, 20}, "figure"},
                      PathHitCase{"TopmostWins", {75, 75}, "over"},
                      PathHitCase{"OnlyTheLowerOneThere", {40, 90}, "figure"},
                      PathHitCase{"LockedLayerAboveIsPassedThrough", {10, 10}, "figure"},
                      PathHitCase{"OnAnOpenPath", {300, 50}, "ell"},
                      PathHitCase{"AnOpenPathHasNoArea", {280, 20}, "nothing"},
                      PathHitCase{"AGuideIsNeverHit", {450, 450}, "nothing"},
                      PathHitCase{"OnTheCurve", {650, 74}, "dome"},
                      PathHitCase{"UnderTheCurve", {650, 40}, "dome"},
                      PathHitCase{"InsideTheHandlesButAboveTheCurve", {650, 90}, "nothing"},
                      PathHitCase{"EmptySpace", {1000, 1000}, "nothing"}),
    CaseName<PathHitCase>);

TEST(Selection, IsTheObjectOfTheLayersTopLevelGroupThatHoldsThePath) {
    Scene scene;
    scene.document.Select(scene.figurePath);
    EXPECT_EQ(scene.document.Selection(), scene.figure);
    scene.document.Select(scene.over);
    EXPECT_EQ(scene.document.Selection(), scene.over);
    scene.document.Select(nullptr);
    EXPECT_EQ(scene.document.Selection(), nullptr);
    EXPECT_THROW(scene.document.Select(scene.lockedLayer->group->children.front()),
                 std::invalid_argument);
    EXPECT_THROW(scene.document.Select(scene.layerGroup), std::invalid_argument);
}

TEST(Selection, IsForgottenWithItsArtOrWhenItsLayerIsLocked) {
    Scene scene;
    Document& document = scene.document;
    document.Select(scene.figurePath);
    // The figure's group outlives its path, as when the plug-in rewrites its figure.
    document.Dispose(*scene.figurePath);
    EXPECT_EQ(document.Selection(), scene.figure);
    document.Dispose(*scene.figure);
    EXPECT_EQ(document.Selection(), nullptr);

    document.Select(scene.over);
    document.SetLocked(*scene.lockedLayer, false);
    document.SetLocked(*scene.lockedLayer, true);  // another layer's lock
    EXPECT_EQ(document.Selection(), scene.over);
    document.SetLocked(*document.LayerAt(1), true);
    EXPECT_EQ(document.Selection(), nullptr);
}

TEST(SelectionTool, APressSelectsAndADragMovesEveryPointByThePointersDisplacement) {
    Scene scene;
    Document& document = scene.document;
    SelectionTool tool;
    tool.Press(document, {70, 20}, 3);
    EXPECT_EQ(document.Selection(), scene.figure);
    EXPECT_TRUE(tool.DragTo(document, {80, 25}));
    EXPECT_TRUE(tool.DragTo(document, {90, 15}));
    EXPECT_FALSE(tool.DragTo(document, {90, 15}));  // the pointer did not move
    tool.Release();
    std::vector<HostRealPoint> expected = {{20, -5}, {120, -5}, {120, 95}, {20, 95}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(scene.figurePath->segments[i].p.h, expected[i].h) << i;
        EXPECT_EQ(scene.figurePath->segments[i].p.v, expected[i].v) << i;
    }
    // The index follows: the figure is hit where it went.
    EXPECT_EQ(Hit(document, {119, 40}, 3), scene.figurePath);
    // After the button went up, a drag holds nothing.
    EXPECT_FALSE(tool.DragTo(document, {300, 300}));
    // A press over nothing drops the selection, and its drag moves nothing.
    tool.Press(document, {1000, 1000}, 3);
    EXPECT_EQ(document.Selection(), nullptr);
    EXPECT_FALSE(tool.DragTo(document, {1010, 1000}));
}

TEST(SelectionTool, ADragBeyondTheRangeOfPointsMovesNothing) {
    Scene scene;
    Art* far = AddPath(scene.document, scene.layerGroup, Corners({{3e38f, 0}, {3e38f, 10}}));
    SelectionTool tool;
    tool.Press(scene.document, {3e38f, 5}, 3);
    ASSERT_EQ(scene.document.Selection(), far);
    // The displacement itself is beyond the range.
    EXPECT_THROW(tool.DragTo(scene.document, {-3e38f, 5}), std::invalid_argument);
    EXPECT_EQ(far->segments[0].p.h, 3e38f);
}

}  // namespace
