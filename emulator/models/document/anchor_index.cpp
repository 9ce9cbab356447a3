#include "emulator/models/document/anchor_index.h"

#include <cmath>
#include <iterator>
#include <unordered_map>
#include <utility>

#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>

#include "emulator/models/document/document.h"

namespace emulator {
namespace {

namespace bg = boost::geometry;
using Point = bg::model::point<double, 2, bg::cs::cartesian>;
using Box = bg::model::box<Point>;
using Entry = std::pair<Point, Anchor>;

struct EntryEqual {
    bool operator()(const Entry& a, const Entry& b) const {
        return a.second.path == b.second.path && a.second.segment == b.second.segment &&
               bg::equals(a.first, b.first);
    }
};

}  // namespace

struct AnchorIndex::Tree {
    bg::index::rtree<Entry, bg::index::rstar<16>, bg::index::indexable<Entry>, EntryEqual> rtree;
    std::unordered_map<const Art*, std::vector<Entry>> entries;  // what each path put in
};

AnchorIndex::AnchorIndex() : tree_(std::make_unique<Tree>()) {}
AnchorIndex::~AnchorIndex() = default;

void AnchorIndex::Update(Art& path) {
    Remove(path);
    std::vector<Entry> entries;
    entries.reserve(path.segments.size());
    for (size_t i = 0; i < path.segments.size(); ++i) {
        HostRealPoint p = path.segments[i].p;
        // An anchor off the plane is never near anything, and would upset the tree.
        if (!std::isfinite(p.h) || !std::isfinite(p.v)) continue;
        entries.push_back({Point(p.h, p.v), Anchor{&path, i, p}});
    }
    tree_->rtree.insert(entries.begin(), entries.end());
    tree_->entries[&path] = std::move(entries);
}

void AnchorIndex::Remove(const Art& path) {
    auto found = tree_->entries.find(&path);
    if (found == tree_->entries.end()) return;
    tree_->rtree.remove(found->second.begin(), found->second.end());
    tree_->entries.erase(found);
}

std::vector<Anchor> AnchorIndex::Near(HostRealPoint centre, double radius) const {
    Box box(Point(centre.h - radius, centre.v - radius),
            Point(centre.h + radius, centre.v + radius));
    std::vector<Entry> entries;
    tree_->rtree.query(bg::index::covered_by(box), std::back_inserter(entries));
    std::vector<Anchor> found;
    found.reserve(entries.size());
    for (const Entry& entry : entries) found.push_back(entry.second);
    return found;
}

size_t AnchorIndex::Size() const {
    return tree_->rtree.size();
}

}  // namespace emulator
