#include "emulator/models/document/document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "host/ai_art.h"

namespace {

std::vector<std::string> Titles(const emulator::Document& document) {
    std::vector<std::string> titles;
    for (size_t i = 0; i < document.LayerCount(); ++i) titles.push_back(document.LayerAt(i)->title);
    return titles;
}

TEST(Document, StartsWithOneCurrentEditableLayer) {
    emulator::Document document;
    ASSERT_EQ(document.LayerCount(), 1u);
    const emulator::Layer* layer = document.LayerAt(0);
    EXPECT_EQ(layer->title, "Calque 1");
    EXPECT_EQ(document.Current(), layer);
    EXPECT_TRUE(layer->Editable());
    EXPECT_TRUE(layer->group->children.empty());
}

TEST(Document, InsertsLayersWhereTheOrderSays) {
    emulator::Document document;
    emulator::Layer* first = document.LayerAt(0);
    document.InsertLayer(nullptr, kHostPlaceAboveAll);  // Calque 2 on top
    document.InsertLayer(first, kHostPlaceAbove);       // Calque 3 above Calque 1
    document.InsertLayer(nullptr, kHostPlaceBelowAll);  // Calque 4 at the bottom
    document.InsertLayer(first, kHostPlaceBelow);       // Calque 5 below Calque 1
    EXPECT_EQ(Titles(document), (std::vector<std::string>{"Calque 2", "Calque 3", "Calque 1",
                                                          "Calque 5", "Calque 4"}));
    EXPECT_EQ(document.Current(), first);
    EXPECT_EQ(document.InsertLayer(nullptr, kHostPlaceAbove), nullptr);
    EXPECT_EQ(document.InsertLayer(first, kHostPlaceInsideOnTop), nullptr);
}

TEST(Document, PlacesNewArtByPaintOrder) {
    emulator::Document document;
    HostErr error = kHostNoError;
    emulator::Art* top = document.LayerAt(0)->group;
    emulator::Art* a = document.NewArt(kHostGroupArt, kHostPlaceAboveAll, nullptr, error);
    emulator::Art* b = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, top, error);
    emulator::Art* c = document.NewArt(kHostPathArt, kHostPlaceBelow, b, error);
    emulator::Art* d = document.NewArt(kHostPathArt, kHostPlaceInsideOnBottom, a, error);
    emulator::Art* e = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, a, error);
    ASSERT_EQ(error, kHostNoError);
    EXPECT_EQ(top->children, (std::vector<emulator::Art*>{b, c, a}));
    EXPECT_EQ(a->children, (std::vector<emulator::Art*>{e, d}));
    EXPECT_EQ(e->parent, a);
}

TEST(Document, RefusesArtItCannotPlace) {
    emulator::Document document;
    HostErr error = kHostNoError;
    emulator::Art* top = document.LayerAt(0)->group;
    emulator::Art* path = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, top, error);
    EXPECT_EQ(document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, path, error), nullptr);
    EXPECT_EQ(error, kHostErrBadParameter);
    EXPECT_EQ(document.NewArt(7, kHostPlaceInsideOnTop, top, error), nullptr);
    EXPECT_EQ(document.NewArt(kHostPathArt, 9, top, error), nullptr);
    EXPECT_EQ(document.NewArt(kHostPathArt, kHostPlaceAbove, top, error), nullptr);
    document.LayerAt(0)->locked = true;
    EXPECT_EQ(document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, top, error), nullptr);
    EXPECT_EQ(error, kHostErrLayerLocked);
}

TEST(Document, DisposedArtIsFreedAndItsHandlesNeverDesignateNewerArt) {
    emulator::Document document;
    HostErr error = kHostNoError;
    emulator::Art* top = document.LayerAt(0)->group;
    emulator::Art* group = document.NewArt(kHostGroupArt, kHostPlaceInsideOnTop, top, error);
    emulator::Art* inner = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, group, error);
    HostArtHandle groupHandle = document.HandleOf(group);
    HostArtHandle innerHandle = document.HandleOf(inner);
    size_t before = document.ArtCount();
    document.Dispose(*group);
    EXPECT_EQ(document.ArtCount(), before - 2);  // the group and what it held
    EXPECT_TRUE(top->children.empty());
    for (int i = 0; i < 20; ++i) {
        emulator::Art* fresh = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, top, error);
        EXPECT_NE(document.HandleOf(fresh), groupHandle);
        EXPECT_NE(document.HandleOf(fresh), innerHandle);
    }
    EXPECT_EQ(document.FindArt(groupHandle), nullptr);
    EXPECT_EQ(document.FindArt(innerHandle), nullptr);
    EXPECT_EQ(document.FindArt(nullptr), nullptr);
}

TEST(Document, AHandleOfOneKindIsNotFoundAsAnother) {
    emulator::Document document;
    emulator::Layer* layer = document.LayerAt(0);
    HostLayerHandle layerHandle = document.HandleOf(layer);
    HostArtHandle groupHandle = document.HandleOf(layer->group);
    EXPECT_EQ(document.Find(layerHandle), layer);
    EXPECT_EQ(document.FindArt(groupHandle), layer->group);
    EXPECT_EQ(document.FindArt(reinterpret_cast<HostArtHandle>(layerHandle)), nullptr);
    EXPECT_EQ(document.Find(reinterpret_cast<HostLayerHandle>(groupHandle)), nullptr);
    // Nor is a pointer to the object itself a handle.
    EXPECT_EQ(document.FindArt(reinterpret_cast<HostArtHandle>(layer->group)), nullptr);
}

TEST(Document, TransformsEveryPointOfTheArtInside) {
    emulator::Document document;
    HostErr error = kHostNoError;
    emulator::Art* top = document.LayerAt(0)->group;
    emulator::Art* group = document.NewArt(kHostGroupArt, kHostPlaceInsideOnTop, top, error);
    emulator::Art* path = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, group, error);
    path->segments = {{{1, 2}, {3, 4}, {5, 6}, 1}};
    document.Transform(*group, HostRealMatrix{0, 1, -1, 0, 10, 20});  // quarter turn, then move
    const HostPathSegment& s = path->segments[0];
    EXPECT_EQ(s.p.h, 8);
    EXPECT_EQ(s.p.v, 21);
    EXPECT_EQ(s.in.h, 6);
    EXPECT_EQ(s.in.v, 23);
    EXPECT_EQ(s.out.h, 4);
    EXPECT_EQ(s.out.v, 25);
}

TEST(Document, RefusesATransformThatWouldTakeAPointOutOfRangeAndMovesNothing) {
    emulator::Document document;
    HostErr error = kHostNoError;
    emulator::Art* top = document.LayerAt(0)->group;
    emulator::Art* group = document.NewArt(kHostGroupArt, kHostPlaceInsideOnTop, top, error);
    emulator::Art* near = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, group, error);
    emulator::Art* far = document.NewArt(kHostPathArt, kHostPlaceInsideOnTop, group, error);
    near->segments = {{{1, 2}, {1, 2}, {1, 2}, 1}};
    far->segments = {{{3e38f, 0}, {3e38f, 0}, {0, 0}, 1}};
    // Only the far path leaves the range: by a move, by a scale; or nothing is a number.
    for (HostRealMatrix matrix :
         {HostRealMatrix{1, 0, 0, 1, 3e38f, 0}, HostRealMatrix{2, 0, 0, 2, 0, 0},
          HostRealMatrix{1, 0, 0, 1, std::nanf(""), 0}}) {
        EXPECT_THROW(document.Transform(*group, matrix), std::invalid_argument);
        EXPECT_EQ(near->segments[0].p.h, 1);
        EXPECT_EQ(far->segments[0].p.h, 3e38f);
    }
}

}  // namespace
