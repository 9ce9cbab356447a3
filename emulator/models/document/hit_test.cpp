// Finding the anchor at a point, or the path whose outline is there: through the indexes,
// or by looking at every path in paint order. Both answer the same: the art on top, then
// (for an anchor) its nearest anchor, then the lowest segment index.
#include <algorithm>
#include <cmath>
#include <vector>

#include "emulator/models/document/document.h"
#include "emulator/models/document/outline.h"

namespace emulator {
namespace {

double Distance(HostRealPoint a, HostRealPoint b) {
    return std::hypot(double{a.h} - b.h, double{a.v} - b.v);
}

bool Inside(const Art& art, const Art* within) {
    for (const Art* at = &art; at != nullptr; at = at->parent)
        if (at == within) return true;
    return within == nullptr;
}

bool Hittable(const Art& path, const Art* within) {
    return !path.guide && path.layer->Editable() && Inside(path, within);
}

// PATH's anchor nearest POINT within RADIUS, the lowest index among equals.
std::optional<AnchorHit> NearestAnchor(Art& path, HostRealPoint point, double radius) {
    std::optional<AnchorHit> best;
    double bestDistance = radius;
    for (size_t i = 0; i < path.segments.size(); ++i) {
        double distance = Distance(path.segments[i].p, point);
        // Written so that an anchor off the plane (a NaN distance) is never taken.
        if (!(distance <= bestDistance) || (best && distance == bestDistance)) continue;
        best = AnchorHit{&path, i, path.segments[i].p};
        bestDistance = distance;
    }
    return best;
}

// Where ART is painted, as the index of each of its ancestors among its siblings from the
// top, its layer's index first: the smaller, the higher.
std::vector<size_t> PaintRank(const Art& art, const Document& document) {
    std::vector<size_t> rank;
    for (const Art* at = &art; at->parent != nullptr; at = at->parent) {
        const auto& siblings = at->parent->children;
        rank.push_back(static_cast<size_t>(std::find(siblings.begin(), siblings.end(), at) -
                                           siblings.begin()));
    }
    size_t layer = 0;
    while (document.LayerAt(layer) != art.layer) ++layer;
    rank.push_back(layer);
    std::reverse(rank.begin(), rank.end());
    return rank;
}

// The topmost of PATHS. Ranking costs a walk through siblings: only paths competing for
// the point pay it.
Art* Topmost(const std::vector<Art*>& paths, const Document& document) {
    if (paths.empty()) return nullptr;
    Art* top = paths.front();
    if (paths.size() == 1) return top;
    std::vector<size_t> topRank = PaintRank(*top, document);
    for (Art* path : paths) {
        std::vector<size_t> rank = PaintRank(*path, document);
        if (rank < topRank) {
            top = path;
            topRank = std::move(rank);
        }
    }
    return top;
}

}  // namespace

Art* Document::HitPath(HostRealPoint point, double radius) const {
    return indexed_ ? HitPathByIndex(point, radius) : HitPathByScan(point, radius);
}

Art* Document::HitPathByScan(HostRealPoint point, double radius) const {
    for (Art* path : Paths())
        if (Hittable(*path, nullptr) && OutlineHits(*path, point, radius)) return path;
    return nullptr;
}

Art* Document::HitPathByIndex(HostRealPoint point, double radius) const {
    std::vector<Art*> hit;
    for (Art* path : outlines_.Near(point, radius))
        if (Hittable(*path, nullptr) && OutlineHits(*path, point, radius)) hit.push_back(path);
    return Topmost(hit, *this);
}

std::optional<AnchorHit> Document::HitAnchor(HostRealPoint point, double radius,
                                             const Art* within) const {
    return indexed_ ? HitByIndex(point, radius, within) : HitByScan(point, radius, within);
}

std::optional<AnchorHit> Document::HitByScan(HostRealPoint point, double radius,
                                             const Art* within) const {
    for (Art* path : Paths()) {
        if (!Hittable(*path, within)) continue;
        if (auto hit = NearestAnchor(*path, point, radius)) return hit;
    }
    return std::nullopt;
}

std::optional<AnchorHit> Document::HitByIndex(HostRealPoint point, double radius,
                                              const Art* within) const {
    std::vector<Art*> near;  // the paths with an anchor in reach, each once
    for (const Anchor& anchor : anchors_.Near(point, radius)) {
        if (Distance(anchor.point, point) > radius || !Hittable(*anchor.path, within)) continue;
        if (std::find(near.begin(), near.end(), anchor.path) == near.end())
            near.push_back(anchor.path);
    }
    if (near.empty()) return std::nullopt;
    return NearestAnchor(*Topmost(near, *this), point, radius);
}

}  // namespace emulator
