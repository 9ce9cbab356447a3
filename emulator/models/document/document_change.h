// What one user event changed in the document, kept so that it can be undone and redone:
// the art and layers made or deleted, in order, and for each art or layer changed, what it
// held before and after. Only what changed is kept, never a copy of the document.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "emulator/models/document/drawing.h"
#include "host/types.h"

namespace emulator {

struct Art;
struct Layer;

// What an art holds besides its place in the tree.
struct ArtContent {
    std::string name;
    std::vector<HostPathSegment> segments;
    bool closed = false;
    bool guide = false;
    std::vector<Tag> tags;

    bool operator==(const ArtContent& other) const;
};

struct LayerContent {
    std::string title;
    bool locked = false;
    bool visible = true;

    bool operator==(const LayerContent&) const = default;
};

// An art or a layer put into the document or taken out of it, and where.
struct TreeEdit {
    enum class Kind { kArtInserted, kArtRemoved, kLayerInserted };
    Kind kind;
    Art* art = nullptr;
    Art* parent = nullptr;
    Layer* layer = nullptr;
    size_t index = 0;  // among the parent's children, or in the layers' order
};

template <typename Object, typename Content>
struct ContentEdit {
    Object* object;
    Content before;
    Content after;  // known once the change is closed
};

class DocumentChange {
  public:
    bool Empty() const { return tree.empty() && arts.empty() && layers.empty() && !currentLayer; }

    std::vector<TreeEdit> tree;                       // in the order they happened
    std::vector<ContentEdit<Art, ArtContent>> arts;   // in the order first changed
    std::unordered_map<const Art*, size_t> artIndex;  // where each is in ARTS
    std::vector<ContentEdit<Layer, LayerContent>> layers;
    struct CurrentLayerEdit {
        Layer* before;
        Layer* after;
    };
    std::optional<CurrentLayerEdit> currentLayer;
    // Every art the change refers to, once for each reference: the document keeps art out
    // of use alive while a change still refers to it.
    std::vector<const Art*> held;
};

}  // namespace emulator
