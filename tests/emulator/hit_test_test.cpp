// The document's hit test on anchors: the index and the scan of every path answer alike,
// and the index follows every change of the document's paths.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "emulator/models/document/document.h"
#include "host/ai_art.h"
#include "tests/support/case_name.h"

namespace {

using emulator::AnchorHit;
using emulator::Art;
using emulator::Document;

Art* AddPath(Document& document, Art* group, std::vector<HostRealPoint> anchors) {
    HostErr error = kHostNoError;
    Art* path = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, group, error);
    std::vector<HostPathSegment> segments;
    for (HostRealPoint p : anchors) segments.push_back({p, p, p, 1});
    document.SetSegmentCount(*path, segments.size());
    document.SetSegments(*path, 0, segments);
    return path;
}

Art* AddGroup(Document& document, Art* group) {
    HostErr error = kHostNoError;
    return document.NewArt(kHostGroupArt, kHostPlaceInsideOnTop, group, error);
}

// Both ways of finding a hit, which must agree; the index's answer.
std::optional<AnchorHit> Hit(Document& document, HostRealPoint point, double radius,
                             const Art* within = nullptr) {
    document.SetIndexed(false);
    std::optional<AnchorHit> scanned = document.HitAnchor(point, radius, within);
    document.SetIndexed(true);
    std::optional<AnchorHit> indexed = document.HitAnchor(point, radius, within);
    EXPECT_EQ(indexed.has_value(), scanned.has_value());
    if (indexed && scanned) {
        EXPECT_EQ(indexed->path, scanned->path);
        EXPECT_EQ(indexed->segment, scanned->segment);
    }
    return indexed;
}

// A document of known shape: on the one layer, from the top, a group holding a square
// "inner" (10..20), then "square" (0..100 corners), then "far" (1000..1010).
struct Scene {
    Document document;
    Art* top = document.LayerAt(0)->group;
    Art* far = AddPath(document, top, {{1000, 1000}, {1010, 1000}, {1010, 1010}});
    Art* square = AddPath(document, top, {{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    Art* group = AddGroup(document, top);
    Art* inner = AddPath(document, group, {{10, 10}, {20, 10}, {20, 20}, {0, 3}});
};

struct HitCase {
    const char* name;
    HostRealPoint point;
    double radius;
    const char* path;  // "inner", "square", "far" or null for no hit
    size_t segment;
};

class HitTable : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTable, IndexAndScanFindTheSameAnchor) {
    const HitCase& c = GetParam();
    Scene scene;
    std::optional<AnchorHit> hit = Hit(scene.document, c.point, c.radius);
    if (c.path == nullptr) {
        EXPECT_FALSE(hit.has_value());
        return;
    }
    ASSERT_TRUE(hit.has_value());
    std::string name = hit->path == scene.inner    ? "inner"
                       : hit->path == scene.square ? "square"
                       : hit->path == scene.far    ? "far"
                                                   : "?";
    EXPECT_EQ(name, c.path);
    EXPECT_EQ(hit->segment, c.segment);
    EXPECT_EQ(hit->point.h, hit->path->segments[c.segment].p.h);
    EXPECT_EQ(hit->point.v, hit->path->segments[c.segment].p.v);
}

INSTANTIATE_TEST_SUITE_P(
    Document, HitTable,
    ::testing::Values(
        HitCase{"NothingNear", {50, 50}, 8, nullptr, 0},
        HitCase{"OneAnchor", {98, 97}, 8, "square", 2},
        // (0, 3) of the group's path is on top of (0, 0) of the square, though farther.
        HitCase{"TopmostArtWinsOverANearerAnchor", {0, 1}, 8, "inner", 3},
        HitCase{"NearestAnchorOfTheTopmostArt", {15, 10}, 8, "inner", 0},  // tie: lowest index
        HitCase{"NearestAnchorOfTheTopmostArtOffTie", {18, 12}, 8, "inner", 1},
        // 3-4-5: the edge of the tolerance is inside, a hair beyond is out.
        HitCase{"ToleranceEdgeIncluded", {103, 104}, 5, "square", 2},
        HitCase{"JustBeyondTheTolerance", {103, 104}, 4.999, nullptr, 0},
        HitCase{"InsideTheSquareButNotTheCircle", {104, 104}, 5, nullptr, 0},
        HitCase{"FarAway", {1004, 1003}, 5, "far", 0}),
    CaseName<HitCase>);

TEST(DocumentHitTest, GuidesAndLockedOrHiddenLayersAreNeverHit) {
    Scene scene;
    scene.inner->guide = true;
    EXPECT_EQ(Hit(scene.document, {0, 1}, 8)->path, scene.square);
    scene.document.LayerAt(0)->locked = true;
    EXPECT_FALSE(Hit(scene.document, {0, 1}, 8));
    scene.document.LayerAt(0)->locked = false;
    scene.document.LayerAt(0)->visible = false;
    EXPECT_FALSE(Hit(scene.document, {0, 1}, 8));
}

TEST(DocumentHitTest, AnUpperLayerWinsAndASearchCanBeKeptWithinOneArt) {
    Scene scene;
    emulator::Layer* upper = scene.document.InsertLayer(nullptr, kHostPlaceAboveAll);
    Art* over = AddPath(scene.document, upper->group, {{1, 1}, {5, 5}});
    EXPECT_EQ(Hit(scene.document, {0, 0}, 8)->path, over);
    EXPECT_EQ(Hit(scene.document, {0, 0}, 8, scene.square)->path, scene.square);
    EXPECT_EQ(Hit(scene.document, {0, 0}, 8, scene.group)->path, scene.inner);
    EXPECT_FALSE(Hit(scene.document, {1000, 1000}, 8, scene.group));
}

TEST(DocumentHitTest, TheIndexFollowsEveryChangeOfAPath) {
    Scene scene;
    Document& document = scene.document;
    // New segments at the origin are hit where they are.
    document.SetSegmentCount(*scene.far, 4);
    EXPECT_EQ(Hit(document, {500, 500}, 8), std::nullopt);
    HostPathSegment moved{{500, 500}, {500, 500}, {500, 500}, 1};
    document.SetSegments(*scene.far, 3, {&moved, 1});
    EXPECT_EQ(Hit(document, {501, 501}, 8)->segment, 3u);
    // Fewer segments: the ones cut off are gone.
    document.SetSegmentCount(*scene.far, 2);
    EXPECT_FALSE(Hit(document, {501, 501}, 8));
    EXPECT_FALSE(Hit(document, {1010, 1010}, 8));
    // A moved group carries its paths' anchors.
    document.Transform(*scene.group, HostRealMatrix{1, 0, 0, 1, 300, 0});
    EXPECT_EQ(Hit(document, {310, 10}, 1)->path, scene.inner);
    EXPECT_EQ(Hit(document, {10, 10}, 1), std::nullopt);
    EXPECT_EQ(Hit(document, {0, 1}, 8)->path, scene.square);
    // A disposed group takes its paths' anchors with it.
    document.Dispose(*scene.group);
    EXPECT_FALSE(Hit(document, {310, 10}, 1));
    document.Dispose(*scene.square);
    EXPECT_FALSE(Hit(document, {0, 0}, 8));
    EXPECT_EQ(Hit(document, {1000, 1000}, 1)->path, scene.far);
}

TEST(DocumentHitTest, AnAnchorOffThePlaneIsNeverHit) {
    Scene scene;
    HostPathSegment nowhere{{std::numeric_limits<float>::quiet_NaN(), 0}, {}, {}, 1};
    scene.document.SetSegments(*scene.square, 0, {&nowhere, 1});
    EXPECT_FALSE(Hit(scene.document, {0, 0}, 2));
    EXPECT_EQ(Hit(scene.document, {100, 0}, 2)->segment, 1u);
}

}  // namespace
