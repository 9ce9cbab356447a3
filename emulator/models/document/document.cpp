#include "emulator/models/document/document.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "host/ai_art.h"

namespace emulator {
namespace {

// The colours new layers take in turn (8-bit components, widened to 16 bits).
constexpr std::array<std::array<int, 3>, 6> kLayerColours = {
    {{79, 128, 255}, {255, 79, 79}, {79, 255, 79}, {79, 79, 255}, {255, 255, 79}, {255, 79, 255}}};

// In double, then rounded to float32 once.
std::array<double, 2> Exact(const HostRealMatrix& m, HostRealPoint p) {
    return {double{m.a} * p.h + double{m.c} * p.v + m.tx,
            double{m.b} * p.h + double{m.d} * p.v + m.ty};
}

HostRealPoint Apply(const HostRealMatrix& m, HostRealPoint p) {
    std::array<double, 2> exact = Exact(m, p);
    return {static_cast<float>(exact[0]), static_cast<float>(exact[1])};
}

bool FitsFloat(double value) {
    return std::abs(value) <= std::numeric_limits<float>::max();
}

// A point beyond float32 would be infinite in the document, or not a number.
void RequireFiniteUnder(const Art& art, const HostRealMatrix& m) {
    for (const HostPathSegment& segment : art.segments)
        for (HostRealPoint point : {segment.p, segment.in, segment.out}) {
            std::array<double, 2> exact = Exact(m, point);
            if (!FitsFloat(exact[0]) || !FitsFloat(exact[1]))
                throw std::invalid_argument("the transformation takes a point out of range");
        }
    for (const Art* child : art.children) RequireFiniteUnder(*child, m);
}

}  // namespace

Document::Document() {
    current_ = MakeLayer();
    views_.Add(std::make_unique<View>());
}

Layer* Document::LayerAt(size_t index) const {
    return index < order_.size() ? order_[index] : nullptr;
}

Layer* Document::LayerTitled(const std::string& title) const {
    for (Layer* layer : order_)
        if (layer->title == title) return layer;
    return nullptr;
}

Layer* Document::MakeLayer() {
    auto layer = std::make_unique<Layer>();
    const auto& rgb = kLayerColours[layersMade_ % kLayerColours.size()];
    ++layersMade_;
    layer->title = "Calque " + std::to_string(layersMade_);
    layer->color = {static_cast<uint16_t>(rgb[0] * 257), static_cast<uint16_t>(rgb[1] * 257),
                    static_cast<uint16_t>(rgb[2] * 257)};
    layer->group = MakeArt(kHostGroupArt, layer.get());
    order_.insert(order_.begin(), layer.get());
    return layers_.Find(layers_.Add(std::move(layer)));
}

Layer* Document::InsertLayer(const Layer* reference, int32_t order) {
    bool relative = order == kHostPlaceAbove || order == kHostPlaceBelow;
    if (relative && reference == nullptr) return nullptr;
    if (!relative && order != kHostPlaceAboveAll && order != kHostPlaceBelowAll) return nullptr;
    Layer* layer = MakeLayer();  // made on top, then moved where it belongs
    order_.erase(order_.begin());
    auto at = order_.begin();
    if (order == kHostPlaceBelowAll) at = order_.end();
    if (relative) {
        at = std::find(order_.begin(), order_.end(), reference);
        if (order == kHostPlaceBelow) ++at;
    }
    at = order_.insert(at, layer);
    if (recording_) {
        pending_.tree.push_back({TreeEdit::Kind::kLayerInserted, nullptr, nullptr, layer,
                                 static_cast<size_t>(at - order_.begin())});
        Hold(*layer->group);
    }
    return layer;
}

Art* Document::MakeArt(int32_t type, Layer* layer) {
    auto art = std::make_unique<Art>();
    art->type = type;
    art->layer = layer;
    return arts_.Find(arts_.Add(std::move(art)));
}

Art* Document::NewArt(int32_t type, int32_t order, Art* reference, HostErr& error) {
    error = kHostErrBadParameter;
    if (type != kHostGroupArt && type != kHostPathArt) return nullptr;
    bool toAll = order == kHostPlaceAboveAll || order == kHostPlaceBelowAll;
    if (reference == nullptr && toAll) reference = current_->group;
    if (reference == nullptr) return nullptr;

    bool inside = order == kHostPlaceInsideOnTop || order == kHostPlaceInsideOnBottom || toAll;
    Art* parent = inside ? reference : reference->parent;
    if (toAll) parent = reference->layer->group;
    if (parent == nullptr || parent->type != kHostGroupArt) return nullptr;
    if (order < kHostPlaceAbove || order > kHostPlaceBelowAll) return nullptr;
    if (!parent->layer->Editable()) {
        error = kHostErrLayerLocked;
        return nullptr;
    }

    auto& siblings = parent->children;
    auto at = siblings.begin();  // the top
    if (order == kHostPlaceInsideOnBottom || order == kHostPlaceBelowAll) at = siblings.end();
    if (order == kHostPlaceAbove || order == kHostPlaceBelow) {
        at = std::find(siblings.begin(), siblings.end(), reference);
        if (order == kHostPlaceBelow) ++at;
    }
    Art* art = MakeArt(type, parent->layer);
    art->parent = parent;
    at = siblings.insert(at, art);
    if (recording_) {
        pending_.tree.push_back({TreeEdit::Kind::kArtInserted, art, parent, nullptr,
                                 static_cast<size_t>(at - siblings.begin())});
        Hold(*art);
    }
    error = kHostNoError;
    return art;
}

void Document::Free(Art& art) {
    for (Art* child : art.children) Free(*child);
    anchors_.Remove(art);
    outlines_.Remove(art);
    if (selection_ == &art) selection_ = nullptr;
    arts_.Remove(HandleOf(&art));
}

void Document::Dispose(Art& art) {
    if (art.parent == nullptr) return;  // a layer's own group goes only with its layer
    Art* parent = art.parent;
    size_t index = Detach(art);
    if (!recording_) {
        Free(art);
        return;
    }
    // Kept, out of use, for the change that may bring it back.
    pending_.tree.push_back({TreeEdit::Kind::kArtRemoved, &art, parent, nullptr, index});
    HoldTree(art);
    SuspendTree(art);
}

size_t Document::Detach(Art& art) {
    auto& siblings = art.parent->children;
    auto at = std::find(siblings.begin(), siblings.end(), &art);
    size_t index = static_cast<size_t>(at - siblings.begin());
    siblings.erase(at);
    return index;
}

void Document::Attach(Art& art, size_t index) {
    auto& siblings = art.parent->children;
    siblings.insert(
        siblings.begin() + static_cast<std::ptrdiff_t>(std::min(index, siblings.size())), &art);
}

namespace {

void CollectPaths(const Art& group, std::vector<Art*>& paths) {
    for (Art* child : group.children) {
        if (child->type == kHostPathArt) paths.push_back(child);
        CollectPaths(*child, paths);
    }
}

}  // namespace

std::vector<Art*> Document::Paths() const {
    std::vector<Art*> paths;
    for (const Layer* layer : order_) CollectPaths(*layer->group, paths);
    return paths;
}

void Document::SetSegmentCount(Art& path, size_t count) {
    Touch(path);
    path.segments.resize(count, HostPathSegment{{}, {}, {}, 1});
    Reindex(path);
}

void Document::SetSegments(Art& path, size_t first, std::span<const HostPathSegment> segments) {
    if (first + segments.size() > path.segments.size())
        throw std::out_of_range("segments past the end of the path");
    Touch(path);
    std::copy(segments.begin(), segments.end(), path.segments.begin() + first);
    Reindex(path);
}

void Document::Reindex(Art& path) {
    anchors_.Update(path);
    outlines_.Update(path);
}

void Document::Transform(Art& art, const HostRealMatrix& matrix) {
    RequireFiniteUnder(art, matrix);
    MoveTree(art, matrix);
}

void Document::MoveTree(Art& art, const HostRealMatrix& matrix) {
    Touch(art);
    for (HostPathSegment& segment : art.segments) {
        segment.p = Apply(matrix, segment.p);
        segment.in = Apply(matrix, segment.in);
        segment.out = Apply(matrix, segment.out);
    }
    if (art.type == kHostPathArt) Reindex(art);
    for (Art* child : art.children) MoveTree(*child, matrix);
}

namespace {

DrawnArt DescribeArt(const Art& art) {
    DrawnArt drawn{art.type, art.name, {}, art.segments, art.closed, art.guide, art.tags};
    for (const Art* child : art.children) drawn.children.push_back(DescribeArt(*child));
    return drawn;
}

}  // namespace

Drawing Document::Describe() const {
    Drawing drawing{page_, {}};
    for (const Layer* layer : order_) {
        DrawnLayer drawn{layer->title,      layer->locked, layer->visible,
                         layer == current_, layer->color,  {}};
        for (const Art* art : layer->group->children) drawn.art.push_back(DescribeArt(*art));
        drawing.layers.push_back(std::move(drawn));
    }
    return drawing;
}

void Document::Build(const DrawnArt& drawn, Art& parent) {
    Art* art = MakeArt(drawn.type, parent.layer);
    art->parent = &parent;
    parent.children.push_back(art);
    art->name = drawn.name;
    art->closed = drawn.closed;
    art->guide = drawn.guide;
    art->tags = drawn.tags;
    if (drawn.type == kHostPathArt) {
        art->segments = drawn.segments;
        Reindex(*art);
    }
    for (const DrawnArt& child : drawn.children) Build(child, *art);
}

void Document::Replace(const Drawing& drawing) {
    if (drawing.layers.empty()) throw std::invalid_argument("a drawing without a layer");
    for (Layer* layer : order_) {
        Free(*layer->group);
        layers_.Remove(HandleOf(layer));
    }
    order_.clear();
    current_ = nullptr;
    layersMade_ = 0;
    page_ = drawing.page;
    // Made bottom first: each new layer goes on top.
    for (auto drawn = drawing.layers.rbegin(); drawn != drawing.layers.rend(); ++drawn) {
        Layer* layer = MakeLayer();
        layer->title = drawn->title;
        layer->locked = drawn->locked;
        layer->visible = drawn->visible;
        layer->color = drawn->color;
        for (const DrawnArt& art : drawn->art) Build(art, *layer->group);
        if (drawn->current) current_ = layer;
    }
    if (current_ == nullptr) current_ = order_.front();
}

}  // namespace emulator
