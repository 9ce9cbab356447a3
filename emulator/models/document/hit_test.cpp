// Finding the anchor at a point: through the anchors' index, or by looking at every path
// in paint order. Both answer the same: the art on top, then its nearest anchor, then the
// lowest segment index.
#include <algorithm>
#include <cmath>
#include <vector>

#include "emulator/models/document/document.h"

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

}  // namespace

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
    // Ranking costs a walk through siblings: only paths competing for the point pay it.
    Art* top = near.front();
    if (near.size() > 1) {
        std::vector<size_t> topRank = PaintRank(*top, *this);
        for (Art* path : near) {
            std::vector<size_t> rank = PaintRank(*path, *this);
            if (rank < topRank) {
                top = path;
                topRank = std::move(rank);
            }
        }
    }
    return NearestAnchor(*top, point, radius);
}

}  // namespace emulator
