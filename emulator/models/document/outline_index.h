// Where the document's paths lie: an R-tree of their boxes, so that finding the paths whose
// outline may pass near a point costs about the logarithm of their number.
#pragma once

#include <memory>
#include <vector>

#include "host/types.h"

namespace emulator {

struct Art;

class OutlineIndex {
  public:
    OutlineIndex();
    ~OutlineIndex();
    OutlineIndex(const OutlineIndex&) = delete;
    OutlineIndex& operator=(const OutlineIndex&) = delete;

    // Indexes PATH's box as it is now, in place of the one indexed before.
    void Update(Art& path);
    void Remove(const Art& path);
    // Every path whose box meets the square of half-side RADIUS about CENTRE.
    std::vector<Art*> Near(HostRealPoint centre, double radius) const;

  private:
    struct Tree;  // the R-tree, kept out of this header: it weighs on every build
    std::unique_ptr<Tree> tree_;
};

}  // namespace emulator
