// The document the host shows: layers, each with a top-level group holding its art, the
// art tree of groups and paths, and the views that show it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "emulator/models/document/anchor_index.h"
#include "emulator/models/document/document_change.h"
#include "emulator/models/document/drawing.h"
#include "emulator/models/document/outline_index.h"
#include "emulator/models/handle_table.h"
#include "emulator/models/view.h"
#include "host/types.h"

namespace emulator {

struct Layer;

struct Art {
    int32_t type = 0;  // kHostGroupArt or kHostPathArt
    std::string name;
    Layer* layer = nullptr;
    Art* parent = nullptr;                  // null for a layer's top-level group
    std::vector<Art*> children;             // groups only, from top to bottom
    std::vector<HostPathSegment> segments;  // paths only; changed through the Document
    // Whoever changes the name, flags or tags tells the Document first (Touch).
    bool closed = false;
    bool guide = false;
    std::vector<Tag> tags;
};

// Whoever changes the title, lock or visibility tells the Document first (Touch).
struct Layer {
    std::string title;
    bool locked = false;
    bool visible = true;
    HostRGBColor color{};
    Art* group = nullptr;  // the top-level group

    bool Editable() const { return !locked && visible; }
};

// What a hit test found: an anchor of a path, as the index keeps it.
using AnchorHit = Anchor;

class Document {
  public:
    // A new document: one layer, "Calque 1", current and editable, and one view.
    Document();

    // Layers in the host's order: index 0 is the topmost.
    size_t LayerCount() const { return order_.size(); }
    Layer* LayerAt(size_t index) const;
    // Null when LAYER designates no layer of this document.
    Layer* Find(HostLayerHandle layer) const { return layers_.Find(layer); }
    HostLayerHandle HandleOf(const Layer* layer) const { return layers_.HandleOf(layer); }
    Layer* Current() const { return current_; }
    void SetCurrent(Layer* layer);
    // The first layer titled TITLE, or null.
    Layer* LayerTitled(const std::string& title) const;
    // Locks or unlocks LAYER; locking it drops the selection it holds, which the user can
    // no longer change.
    void SetLocked(Layer& layer, bool locked);

    // Adds a layer placed by ORDER (above or below REFERENCE, above or below all).
    // Null for an order layers do not take or a missing reference.
    Layer* InsertLayer(const Layer* reference, int32_t order);

    // Makes an art of TYPE placed by ORDER relative to REFERENCE (null: the current
    // layer's group, for the "all" orders). Fills ERROR and answers null when it cannot.
    Art* NewArt(int32_t type, int32_t order, Art* reference, HostErr& error);
    // Removes ART and its descendants from the document and frees them; their handles are
    // found missing from then on, whatever art is made later.
    void Dispose(Art& art);
    // Null when ART designates no art of the document (disposed art among them).
    Art* FindArt(HostArtHandle art) const { return arts_.Find(art); }
    HostArtHandle HandleOf(const Art* art) const { return arts_.HandleOf(art); }
    // The art the document holds, every layer's top-level group included.
    size_t ArtCount() const { return arts_.Size(); }

    // Every path of the document, depth-first from the topmost layer down: the paint
    // order, from the top.
    std::vector<Art*> Paths() const;

    // Every change of a path's segments goes through these, which keep the anchors'
    // index. New segments are at the origin, corners.
    void SetSegmentCount(Art& path, size_t count);
    // Writes SEGMENTS into PATH from index FIRST on; the range must be inside the path.
    void SetSegments(Art& path, size_t first, std::span<const HostPathSegment> segments);
    // Applies MATRIX to every anchor and handle of ART and what it holds. Throws
    // std::invalid_argument, moving nothing, when a point would not be a finite float32.
    void Transform(Art& art, const HostRealMatrix& matrix);

    // The anchor hit at POINT within RADIUS artwork points (edge included), searching
    // WITHIN and what it holds (null: everything). Guides and art of locked or hidden
    // layers are never hit. The art on top wins, then its anchor nearest POINT, then the
    // lowest index.
    std::optional<AnchorHit> HitAnchor(HostRealPoint point, double radius, const Art* within) const;
    // The topmost path whose outline passes within RADIUS artwork points of POINT, or
    // whose area holds it when it is closed; never a guide nor art of a locked or hidden
    // layer.
    Art* HitPath(HostRealPoint point, double radius) const;
    // Whether hit tests use the anchors' index (the default) or look at every path, which
    // is kept only to measure the index against.
    void SetIndexed(bool indexed) { indexed_ = indexed; }

    // Recording: once asked (a host keeping an undo history asks), every change is kept in
    // the change under way, and art deleted is kept out of use, its handle missing, while a
    // change still refers to it.
    void SetRecording(bool recording) { recording_ = recording; }
    // Called before changing an art's or a layer's content from outside this class.
    void Touch(Art& art);
    void Touch(Layer& layer);
    // The change under way, closed: what each art and layer holds now is noted. Empty when
    // nothing changed for good (art made then deleted again, a content put back).
    DocumentChange TakeChange();
    // Whether what the change under way made or changed includes a guide, or a group still
    // empty, on the page: the scaffolding of a gesture under way (a figure begun).
    bool ChangeUnfinished() const;
    // Takes the document from the state after CHANGE back to the state before it, or on.
    void Undo(const DocumentChange& change);
    void Redo(const DocumentChange& change);
    // CHANGE is no longer kept: the art only it kept alive is freed.
    void Release(DocumentChange& change);
    // The change under way undone and dropped.
    void RollBack();
    // ART is in the document (not deleted, nor kept by a change for undoing).
    bool InUse(const Art& art) const { return arts_.InUse(art); }
    // The art kept out of use for the changes that may bring it back.
    size_t ArtKeptForUndo() const { return arts_.SuspendedCount(); }
    PageSize Page() const { return page_; }
    // The layers and their art as plain values.
    Drawing Describe() const;
    // Replaces the page, the layers and the art with DRAWING's, which must hold a layer:
    // every layer and art of before is found missing from then on, as disposed art is. The
    // views stay.
    void Replace(const Drawing& drawing);

    // The views, in the order they were opened: the first one is made with the document.
    View& FirstView() const { return *views_.At(0); }
    View* ViewAt(size_t index) const { return views_.At(index); }
    View* FindView(HostDocumentViewHandle view) const { return views_.Find(view); }
    HostDocumentViewHandle HandleOf(const View* view) const { return views_.HandleOf(view); }

    // What the user selected with the host's selection tool: an object directly inside a
    // layer's top-level group (a lone path, or a group such as one of the plug-in's
    // figures), or null. It is forgotten when it is disposed or its layer locked.
    Art* Selection() const { return selection_; }
    // Selects the object of its layer's top-level group that holds ART; null drops the
    // selection. Throws std::invalid_argument for art of a locked or hidden layer, or a
    // layer's own group.
    void Select(Art* art);

  private:
    // Keeps the indexes of PATH's anchors and box.
    void Reindex(Art& path);
    // Transform once every point is known to stay finite.
    void MoveTree(Art& art, const HostRealMatrix& matrix);
    Layer* MakeLayer();
    Art* MakeArt(int32_t type, Layer* layer);
    void Build(const DrawnArt& drawn, Art& parent);
    void Free(Art& art);
    void Hold(const Art& art);
    void HoldTree(const Art& art);
    void SuspendTree(const Art& art);
    void ResumeTree(Art& art);
    // Takes ART out of its parent's children; answers where it was.
    size_t Detach(Art& art);
    void Attach(Art& art, size_t index);
    void SetContent(Art& art, const ArtContent& content);
    void Close(DocumentChange& change) const;
    bool NetEmpty(const DocumentChange& change) const;
    std::optional<AnchorHit> HitByIndex(HostRealPoint point, double radius,
                                        const Art* within) const;
    std::optional<AnchorHit> HitByScan(HostRealPoint point, double radius, const Art* within) const;
    Art* HitPathByIndex(HostRealPoint point, double radius) const;
    Art* HitPathByScan(HostRealPoint point, double radius) const;

    HandleTable<HostLayerHandle, Layer> layers_;
    std::vector<Layer*> order_;  // index 0 on top
    HandleTable<HostArtHandle, Art> arts_;
    Layer* current_ = nullptr;
    int layersMade_ = 0;
    AnchorIndex anchors_;
    OutlineIndex outlines_;
    Art* selection_ = nullptr;
    bool indexed_ = true;
    HandleTable<HostDocumentViewHandle, View> views_;
    bool recording_ = false;
    DocumentChange pending_;
    std::unordered_map<const Art*, int> holds_;  // by the changes kept and the one under way
    PageSize page_;
};

}  // namespace emulator
