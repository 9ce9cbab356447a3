// The document the host shows: layers, each with a top-level group holding its art, and
// the art tree of groups and paths.
#pragma once

#include <string>
#include <vector>

#include "emulator/core/handle_table.h"
#include "host/types.h"

namespace emulator {

struct Layer;

struct Tag {
    std::string name;  // UTF-8, as every text the document keeps
    std::string type;
    std::string value;
};

struct Art {
    int32_t type = 0;  // kHostGroupArt or kHostPathArt
    std::string name;
    Layer* layer = nullptr;
    Art* parent = nullptr;                  // null for a layer's top-level group
    std::vector<Art*> children;             // groups only, from top to bottom
    std::vector<HostPathSegment> segments;  // paths only
    bool closed = false;
    bool guide = false;
    std::vector<Tag> tags;
};

struct Layer {
    std::string title;
    bool locked = false;
    bool visible = true;
    HostRGBColor color{};
    Art* group = nullptr;  // the top-level group

    bool Editable() const { return !locked && visible; }
};

class Document {
  public:
    // A new document: one layer, "Calque 1", current and editable.
    Document();

    // Layers in the host's order: index 0 is the topmost.
    size_t LayerCount() const { return order_.size(); }
    Layer* LayerAt(size_t index) const;
    // Null when LAYER designates no layer of this document.
    Layer* Find(HostLayerHandle layer) const { return layers_.Find(layer); }
    HostLayerHandle HandleOf(const Layer* layer) const { return layers_.HandleOf(layer); }
    Layer* Current() const { return current_; }
    void SetCurrent(Layer* layer) { current_ = layer; }
    // The first layer titled TITLE, or null.
    Layer* LayerTitled(const std::string& title) const;

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

    // Applies MATRIX to every anchor and handle of ART and what it holds.
    void Transform(Art& art, const HostRealMatrix& matrix);

  private:
    Layer* MakeLayer();
    Art* MakeArt(int32_t type, Layer* layer);
    void Free(Art& art);

    HandleTable<HostLayerHandle, Layer> layers_;
    std::vector<Layer*> order_;  // index 0 on top
    HandleTable<HostArtHandle, Art> arts_;
    Layer* current_ = nullptr;
    int layersMade_ = 0;
};

}  // namespace emulator
