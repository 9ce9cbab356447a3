#include "emulator/models/document/outline_index.h"

#include <iterator>
#include <unordered_map>
#include <utility>

#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>

#include "emulator/models/document/outline.h"

namespace emulator {
namespace {

namespace bg = boost::geometry;
using Point = bg::model::point<double, 2, bg::cs::cartesian>;
using Box = bg::model::box<Point>;
using Entry = std::pair<Box, Art*>;

struct EntryEqual {
    bool operator()(const Entry& a, const Entry& b) const {
        return a.second == b.second && bg::equals(a.first, b.first);
    }
};

}  // namespace

// Quadratic splits: the R*-tree's choice of node for boxes trips GCC 12's array-bounds
// warning inside Boost.
struct OutlineIndex::Tree {
    bg::index::rtree<Entry, bg::index::quadratic<16>, bg::index::indexable<Entry>, EntryEqual>
        rtree;
    std::unordered_map<const Art*, Entry> entries;  // what each path put in
};

OutlineIndex::OutlineIndex() : tree_(std::make_unique<Tree>()) {}
OutlineIndex::~OutlineIndex() = default;

void OutlineIndex::Update(Art& path) {
    Remove(path);
    OutlineBox box{};
    // A path with no point on the plane is never near anything.
    if (!BoxOf(path, box)) return;
    Entry entry{Box(Point(box.left, box.bottom), Point(box.right, box.top)), &path};
    tree_->rtree.insert(entry);
    tree_->entries.emplace(&path, entry);
}

void OutlineIndex::Remove(const Art& path) {
    auto found = tree_->entries.find(&path);
    if (found == tree_->entries.end()) return;
    tree_->rtree.remove(found->second);
    tree_->entries.erase(found);
}

std::vector<Art*> OutlineIndex::Near(HostRealPoint centre, double radius) const {
    Box box(Point(centre.h - radius, centre.v - radius),
            Point(centre.h + radius, centre.v + radius));
    std::vector<Entry> entries;
    tree_->rtree.query(bg::index::intersects(box), std::back_inserter(entries));
    std::vector<Art*> found;
    found.reserve(entries.size());
    for (const Entry& entry : entries) found.push_back(entry.second);
    return found;
}

}  // namespace emulator
