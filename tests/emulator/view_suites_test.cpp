// The document view and hit-test suites as the plug-in calls them: the view's zoom and
// conversions, and a hit tolerance counted in the view's pixels.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "emulator/core/host.h"
#include "host/ai_art.h"
#include "host/ai_document.h"
#include "tests/support/case_name.h"
#include "tests/support/suite_access.h"

namespace {

class ViewSuites : public ::testing::Test {
  protected:
    HostDocumentViewHandle FirstView() {
        HostDocumentViewHandle view = nullptr;
        EXPECT_EQ(views->GetNthDocumentView(0, &view), kHostNoError);
        return view;
    }

    // What a hit test at POINT with TOLERANCE pixels finds; the hit is released.
    HostToolHitData HitAt(HostRealPoint point, HostReal tolerance) {
        HostHitRef hit = nullptr;
        EXPECT_EQ(hits->HitTestEx(nullptr, &point, tolerance, kHostHitAnchorPoints, &hit),
                  kHostNoError);
        HostToolHitData data{};
        EXPECT_EQ(hits->GetHitData(hit, &data), kHostNoError);
        EXPECT_EQ(hits->Release(hit), kHostNoError);
        EXPECT_EQ(hits->GetHitData(hit, &data), kHostErrBadHandle);  // released for good
        return data;
    }

    emulator::Host host{"no-plugin.so"};
    const AIDocumentViewSuite10* views =
        Acquire<AIDocumentViewSuite10>(host, kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
    const AIHitTestSuite3* hits =
        Acquire<AIHitTestSuite3>(host, kAIHitTestSuite, kAIHitTestSuiteVersion);
};

struct ConversionCase {
    const char* name;
    HostReal zoom;
    HostRealPoint artwork;
    HostViewPoint pixel;  // the view's top-left corner is the artwork point (0, 842)
};

class ViewConversions : public ViewSuites, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(ViewConversions, TurnArtworkPointsIntoPixelsAndBack) {
    const ConversionCase& c = GetParam();
    HostDocumentViewHandle view = FirstView();
    ASSERT_EQ(views->SetDocumentViewZoom(view, c.zoom), kHostNoError);
    HostViewPoint pixel{};
    ASSERT_EQ(views->ArtworkPointToViewPoint(view, &c.artwork, &pixel), kHostNoError);
    EXPECT_EQ(pixel.h, c.pixel.h);
    EXPECT_EQ(pixel.v, c.pixel.v);
    HostRealPoint back{};
    ASSERT_EQ(views->ViewPointToArtworkPoint(nullptr, &pixel, &back), kHostNoError);
    EXPECT_NEAR(back.h, c.artwork.h, 0.5 / c.zoom);
    EXPECT_NEAR(back.v, c.artwork.v, 0.5 / c.zoom);
}

INSTANTIATE_TEST_SUITE_P(
    Document, ViewConversions,
    ::testing::Values(ConversionCase{"TopLeftCorner", 1, {0, 842}, {0, 0}},
                      ConversionCase{"UpIsDown", 1, {10, 832}, {10, 10}},
                      ConversionCase{"BottomOfThePage", 1, {595, 0}, {595, 842}},
                      ConversionCase{"ZoomTwo", 2, {10, 832}, {20, 20}},
                      ConversionCase{"HalfZoom", 0.5, {10, 832}, {5, 5}},
                      ConversionCase{"RoundedToTheNearestPixel", 1, {10.6f, 841.4f}, {11, 1}},
                      ConversionCase{"LeftOfAndAboveThePage", 1, {-3, 845}, {-3, -3}}),
    CaseName<ConversionCase>);

TEST_F(ViewSuites, TheZoomIsKeptWithinItsRangeAndViewsAreChecked) {
    HostDocumentViewHandle view = FirstView();
    HostReal zoom = 0;
    ASSERT_EQ(views->GetDocumentViewZoom(view, &zoom), kHostNoError);
    EXPECT_EQ(zoom, 1);
    for (HostReal refused : {0.0f, -1.0f, 65.0f, std::numeric_limits<HostReal>::quiet_NaN()})
        EXPECT_EQ(views->SetDocumentViewZoom(view, refused), kHostErrBadParameter) << refused;
    ASSERT_EQ(views->SetDocumentViewZoom(view, 64), kHostNoError);
    ASSERT_EQ(views->GetDocumentViewZoom(nullptr, &zoom), kHostNoError);
    EXPECT_EQ(zoom, 64);
    HostDocumentViewHandle none = nullptr;
    EXPECT_EQ(views->GetNthDocumentView(1, &none), kHostErrBadParameter);
    auto foreign = reinterpret_cast<HostDocumentViewHandle>(host.Drawing().LayerAt(0));
    EXPECT_EQ(views->GetDocumentViewZoom(foreign, &zoom), kHostErrBadHandle);
    EXPECT_FALSE(host.Errors().empty());
}

TEST_F(ViewSuites, TheHitToleranceIsInPixelsOfTheFirstView) {
    HostErr error = kHostNoError;
    emulator::Art* path = host.Drawing().NewArt(kHostPathArt, kHostPlaceAboveAll, nullptr, error);
    std::vector<HostPathSegment> segments = {{{0, 0}, {0, 0}, {0, 0}, 1},
                                             {{100, 0}, {100, 0}, {100, 0}, 1}};
    host.Drawing().SetSegmentCount(*path, 2);
    host.Drawing().SetSegments(*path, 0, segments);

    // 8 points away: at zoom 1 that is 8 pixels, at zoom 2 sixteen.
    HostToolHitData hit = HitAt({100, 8}, 8);
    EXPECT_TRUE(hit.hit);
    EXPECT_EQ(hit.art, host.Drawing().HandleOf(path));
    EXPECT_EQ(hit.segment, 1);
    EXPECT_EQ(hit.point.h, 100);
    EXPECT_EQ(hit.point.v, 0);
    ASSERT_EQ(views->SetDocumentViewZoom(nullptr, 2), kHostNoError);
    EXPECT_FALSE(HitAt({100, 8}, 8).hit);
    EXPECT_TRUE(HitAt({100, 4}, 8).hit);
    EXPECT_FALSE(HitAt({100, 4.01f}, 8).hit);

    HostRealPoint point{0, 0};
    HostHitRef made = nullptr;
    EXPECT_EQ(hits->HitTestEx(nullptr, &point, 8, 2, &made), kHostErrBadParameter);
    EXPECT_EQ(hits->HitTestEx(nullptr, &point, -1, kHostHitAnchorPoints, &made),
              kHostErrBadParameter);
    EXPECT_EQ(made, nullptr);
}

TEST_F(ViewSuites, PathsChangedThroughTheSuitesAreHitWhereTheyNowAre) {
    const auto* arts = Acquire<AIArtSuite14>(host, kAIArtSuite, kAIArtSuiteVersion);
    const auto* paths = Acquire<AIPathSuite8>(host, kAIPathSuite, kAIPathSuiteVersion);
    const auto* transforms =
        Acquire<AITransformArtSuite1>(host, kAITransformArtSuite, kAITransformArtSuiteVersion);
    HostArtHandle path = nullptr;
    ASSERT_EQ(arts->NewArt(kHostPathArt, kHostPlaceAboveAll, nullptr, &path), kHostNoError);
    ASSERT_EQ(paths->SetPathSegmentCount(path, 3), kHostNoError);
    EXPECT_EQ(HitAt({0, 0}, 1).segment, 0);  // new segments are at the origin
    HostPathSegment moved{{50, 50}, {50, 50}, {50, 50}, 1};
    ASSERT_EQ(paths->SetPathSegments(path, 2, 1, &moved), kHostNoError);
    EXPECT_EQ(HitAt({50, 50}, 1).segment, 2);
    HostRealMatrix shift{1, 0, 0, 1, 0, 100};
    ASSERT_EQ(transforms->TransformArt(path, &shift, 0, kHostTransformObjects), kHostNoError);
    EXPECT_FALSE(HitAt({50, 50}, 1).hit);
    EXPECT_EQ(HitAt({50, 150}, 1).segment, 2);
    ASSERT_EQ(arts->DisposeArt(path), kHostNoError);
    EXPECT_FALSE(HitAt({50, 150}, 1).hit);
}

}  // namespace
