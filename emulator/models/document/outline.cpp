#include "emulator/models/document/outline.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "emulator/models/document/document.h"

namespace emulator {
namespace {

struct Vec {
    double h, v;
};

Vec Of(HostRealPoint p) {
    return {p.h, p.v};
}

bool Straight(const HostPathSegment& from, const HostPathSegment& to) {
    return from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h &&
           to.in.v == to.p.v;
}

// Enough chords that a curve of a page's size strays from them by less than a pixel.
constexpr int kChords = 32;

Vec Bezier(Vec a, Vec b, Vec c, Vec d, double t) {
    double u = 1 - t;
    double wa = u * u * u, wb = 3 * u * u * t, wc = 3 * u * t * t, wd = t * t * t;
    return {wa * a.h + wb * b.h + wc * c.h + wd * d.h, wa * a.v + wb * b.v + wc * c.v + wd * d.v};
}

// The outline as a polyline from the first anchor; back to it when the path is closed.
std::vector<Vec> Polyline(const Art& path) {
    const auto& s = path.segments;
    std::vector<Vec> points;
    if (s.empty()) return points;
    points.push_back(Of(s[0].p));
    size_t pieces = path.closed && s.size() > 1 ? s.size() : s.size() - 1;
    for (size_t i = 0; i < pieces; ++i) {
        const HostPathSegment& from = s[i];
        const HostPathSegment& to = s[(i + 1) % s.size()];
        if (Straight(from, to)) {
            points.push_back(Of(to.p));
            continue;
        }
        for (int k = 1; k <= kChords; ++k)
            points.push_back(Bezier(Of(from.p), Of(from.out), Of(to.in), Of(to.p),
                                    static_cast<double>(k) / kChords));
    }
    return points;
}

double DistanceToPiece(Vec p, Vec a, Vec b) {
    double dh = b.h - a.h, dv = b.v - a.v;
    double length2 = dh * dh + dv * dv;
    double t = length2 > 0 ? ((p.h - a.h) * dh + (p.v - a.v) * dv) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.h - (a.h + t * dh), p.v - (a.v + t * dv));
}

bool Near(const std::vector<Vec>& line, Vec p, double radius) {
    if (line.size() == 1) return std::hypot(p.h - line[0].h, p.v - line[0].v) <= radius;
    for (size_t i = 0; i + 1 < line.size(); ++i)
        if (DistanceToPiece(p, line[i], line[i + 1]) <= radius) return true;
    return false;
}

// Even-odd: a ray to the right crosses the closed polyline an odd number of times.
bool Encloses(const std::vector<Vec>& ring, Vec p) {
    bool inside = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        Vec a = ring[i], b = ring[j];
        if ((a.v > p.v) == (b.v > p.v)) continue;
        double crossing = a.h + (p.v - a.v) * (b.h - a.h) / (b.v - a.v);
        if (p.h < crossing) inside = !inside;
    }
    return inside;
}

}  // namespace

bool BoxOf(const Art& art, OutlineBox& box) {
    bool any = false;
    auto take = [&](HostRealPoint p) {
        if (!std::isfinite(p.h) || !std::isfinite(p.v)) return;
        if (!any) box = {p.h, p.v, p.h, p.v};
        box = {std::min<double>(box.left, p.h), std::min<double>(box.bottom, p.v),
               std::max<double>(box.right, p.h), std::max<double>(box.top, p.v)};
        any = true;
    };
    for (const HostPathSegment& segment : art.segments)
        for (HostRealPoint p : {segment.p, segment.in, segment.out}) take(p);
    for (const Art* child : art.children) {
        OutlineBox inner{};
        if (!BoxOf(*child, inner)) continue;
        take({static_cast<float>(inner.left), static_cast<float>(inner.bottom)});
        take({static_cast<float>(inner.right), static_cast<float>(inner.top)});
    }
    return any;
}

bool OutlineHits(const Art& path, HostRealPoint point, double radius) {
    std::vector<Vec> line = Polyline(path);
    if (line.empty()) return false;
    Vec p = Of(point);
    if (Near(line, p, radius)) return true;
    return path.closed && line.size() > 2 && Encloses(line, p);
}

}  // namespace emulator
