#include "emulator/models/document/edit_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ai_art.h"

namespace {

using emulator::Art;
using emulator::Document;
using emulator::EditHistory;

// A path of one anchor at (X, 0) on top of the current layer, as one step.
Art* AddPath(Document& document, EditHistory& history, float x) {
    HostErr error = kHostNoError;
    Art* path = document.NewArt(kHostPathArt, kHostPlaceAboveAll, nullptr, error);
    document.SetSegmentCount(*path, 1);
    HostPathSegment segment{{x, 0}, {x, 0}, {x, 0}, 1};
    document.SetSegments(*path, 0, {&segment, 1});
    history.EndStep();
    return path;
}

// The anchors' horizontal coordinates, from the top.
std::vector<float> Xs(const Document& document) {
    std::vector<float> xs;
    for (const Art* path : document.Paths()) xs.push_back(path->segments.at(0).p.h);
    return xs;
}

TEST(EditHistory, KeepsTheLatestStepsOnly) {
    Document document;
    EditHistory history(document);
    size_t made = EditHistory::kStepsKept + 5;
    for (size_t i = 0; i < made; ++i) AddPath(document, history, static_cast<float>(i));
    EXPECT_EQ(history.UndoCount(), EditHistory::kStepsKept);
    while (history.Undo()) {
    }
    EXPECT_EQ(Xs(document), (std::vector<float>{4, 3, 2, 1, 0}));
    EXPECT_EQ(history.RedoCount(), EditHistory::kStepsKept);
    while (history.Redo()) {
    }
    EXPECT_EQ(document.Paths().size(), made);
}

// The plug-in may still hold the handle of art it deleted: an undo brings the very art back
// under it, and until then the handle finds nothing.
TEST(EditHistory, GivesDeletedArtBackUnderItsHandle) {
    Document document;
    EditHistory history(document);
    Art* path = AddPath(document, history, 7);
    HostArtHandle handle = document.HandleOf(path);
    document.Dispose(*path);
    history.EndStep();
    EXPECT_EQ(document.FindArt(handle), nullptr);
    EXPECT_FALSE(document.HitAnchor({7, 0}, 1, nullptr));
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(document.FindArt(handle), path);
    EXPECT_TRUE(document.HitAnchor({7, 0}, 1, nullptr));
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(document.FindArt(handle), nullptr);
}

TEST(EditHistory, FreesArtNoStepCanBringBack) {
    Document document;
    EditHistory history(document);
    Art* path = AddPath(document, history, 1);
    document.Dispose(*path);
    history.EndStep();
    EXPECT_EQ(document.ArtKeptForUndo(), 1u);
    history.Undo();
    AddPath(document, history, 2);  // drops the deletion undone
    EXPECT_EQ(document.ArtKeptForUndo(), 0u);
    history.Undo();
    history.Undo();  // both paths' making undone: kept for their redo
    EXPECT_EQ(document.ArtKeptForUndo(), 2u);
    history.Clear();
    EXPECT_EQ(document.ArtKeptForUndo(), 0u);
    EXPECT_EQ(document.ArtCount(), 1u);  // the layer's own group
}

// Guides drawn and taken away in one event, a content written back as it was: no step.
TEST(EditHistory, AStepThatChangedNothingForGoodIsNoStep) {
    Document document;
    EditHistory history(document);
    Art* path = AddPath(document, history, 3);
    HostErr error = kHostNoError;
    Art* guide = document.NewArt(kHostPathArt, kHostPlaceAboveAll, nullptr, error);
    document.Dispose(*guide);
    HostPathSegment same = path->segments[0];
    document.SetSegments(*path, 0, {&same, 1});
    history.EndStep();
    EXPECT_EQ(history.UndoCount(), 1u);
    EXPECT_EQ(document.ArtKeptForUndo(), 0u);
}

TEST(EditHistory, UndoesLayersAndTheirContent) {
    Document document;
    EditHistory history(document);
    emulator::Layer* first = document.Current();
    emulator::Layer* added = document.InsertLayer(nullptr, kHostPlaceAboveAll);
    document.SetCurrent(added);
    document.Touch(*first);
    first->locked = true;
    history.EndStep();
    history.Undo();
    EXPECT_EQ(document.LayerCount(), 1u);
    EXPECT_EQ(document.Current(), first);
    EXPECT_FALSE(first->locked);
    EXPECT_EQ(document.Find(document.HandleOf(first)), first);
    history.Redo();
    EXPECT_EQ(document.LayerAt(0), added);
    EXPECT_EQ(document.Current(), added);
    EXPECT_TRUE(first->locked);
}

TEST(EditHistory, TellsWhetherTheDocumentDiffersFromTheFileKept) {
    Document document;
    EditHistory history(document);
    EXPECT_FALSE(history.Modified());
    AddPath(document, history, 1);
    EXPECT_TRUE(history.Modified());
    history.MarkSaved();
    EXPECT_FALSE(history.Modified());
    history.Undo();
    EXPECT_TRUE(history.Modified());
    history.Redo();
    EXPECT_FALSE(history.Modified());
    history.Undo();
    AddPath(document, history, 2);  // the state saved can no longer come back
    EXPECT_TRUE(history.Modified());
}

}  // namespace
