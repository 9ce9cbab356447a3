// Where the anchor points of the document's paths are: an R-tree, so that finding the
// anchors near a point costs about the logarithm of their number.
#pragma once

#include <memory>
#include <vector>

#include "host/types.h"

namespace emulator {

struct Art;

// One anchor: its path and segment index.
struct Anchor {
    Art* path = nullptr;
    size_t segment = 0;
    HostRealPoint point{};
};

class AnchorIndex {
  public:
    AnchorIndex();
    ~AnchorIndex();
    AnchorIndex(const AnchorIndex&) = delete;
    AnchorIndex& operator=(const AnchorIndex&) = delete;

    // Indexes PATH's anchors as they are now, in place of those indexed before.
    void Update(Art& path);
    void Remove(const Art& path);
    // Every anchor in the square of half-side RADIUS about CENTRE, edges included.
    std::vector<Anchor> Near(HostRealPoint centre, double radius) const;
    size_t Size() const;

  private:
    struct Tree;  // the R-tree, kept out of this header: it weighs on every build
    std::unique_ptr<Tree> tree_;
};

}  // namespace emulator
