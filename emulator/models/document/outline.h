// A path's outline as the selection tool sees it: straight pieces (curves cut into short
// chords), how near a point it passes, and whether a closed path's area holds a point.
#pragma once

#include "host/types.h"

namespace emulator {

struct Art;

// The smallest box holding the anchors and handles of ART and what it holds, which holds
// their curves too; false, BOX untouched, for art without a finite point.
struct OutlineBox {
    double left, bottom, right, top;
};
bool BoxOf(const Art& art, OutlineBox& box);

// Whether PATH's outline passes within RADIUS of POINT (a lone anchor is a point), or,
// for a closed path, its area holds POINT (even-odd, as a fill's winding is not ours).
bool OutlineHits(const Art& path, HostRealPoint point, double radius);

}  // namespace emulator
