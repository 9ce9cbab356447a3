#include "emulator/host/document/document.h"

#include <algorithm>
#include <array>

#include "host/ai_art.h"

namespace host {
namespace {

// The colours new layers take in turn (8-bit components, widened to 16 bits).
constexpr std::array<std::array<int, 3>, 6> kLayerColours = {
    {{79, 128, 255}, {255, 79, 79}, {79, 255, 79}, {79, 79, 255}, {255, 255, 79}, {255, 79, 255}}};

HostRealPoint Apply(const HostRealMatrix& m, HostRealPoint p) {
    return {static_cast<float>(double{m.a} * p.h + double{m.c} * p.v + m.tx),
            static_cast<float>(double{m.b} * p.h + double{m.d} * p.v + m.ty)};
}

}  // namespace

Document::Document() {
    current_ = MakeLayer();
}

Layer* Document::LayerAt(size_t index) const {
    return index < layers_.size() ? layers_[index].get() : nullptr;
}

Layer* Document::Find(const void* layer) const {
    for (const auto& candidate : layers_)
        if (candidate.get() == layer) return candidate.get();
    return nullptr;
}

Layer* Document::LayerTitled(const std::string& title) const {
    for (const auto& layer : layers_)
        if (layer->title == title) return layer.get();
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
    layers_.insert(layers_.begin(), std::move(layer));
    return layers_.front().get();
}

Layer* Document::InsertLayer(const Layer* reference, int32_t order) {
    bool relative = order == kHostPlaceAbove || order == kHostPlaceBelow;
    if (relative && Find(reference) == nullptr) return nullptr;
    if (!relative && order != kHostPlaceAboveAll && order != kHostPlaceBelowAll) return nullptr;
    Layer* layer = MakeLayer();  // made on top, then moved where it belongs
    std::unique_ptr<Layer> owned = std::move(layers_.front());
    layers_.erase(layers_.begin());
    auto at = layers_.begin();
    if (order == kHostPlaceBelowAll) at = layers_.end();
    if (relative) {
        at = std::find_if(layers_.begin(), layers_.end(),
                          [&](const auto& candidate) { return candidate.get() == reference; });
        if (order == kHostPlaceBelow) ++at;
    }
    layers_.insert(at, std::move(owned));
    return layer;
}

Art* Document::MakeArt(int32_t type, Layer* layer) {
    auto art = std::make_unique<Art>();
    art->type = type;
    art->layer = layer;
    live_.insert(art.get());
    arts_.push_back(std::move(art));
    return arts_.back().get();
}

Art* Document::NewArt(int32_t type, int32_t order, Art* reference, HostErr& error) {
    error = kHostErrBadParameter;
    if (type != kHostGroupArt && type != kHostPathArt) return nullptr;
    bool toAll = order == kHostPlaceAboveAll || order == kHostPlaceBelowAll;
    if (reference == nullptr && toAll) reference = current_->group;
    if (reference == nullptr || !IsValid(reference)) return nullptr;

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
    siblings.insert(at, art);
    error = kHostNoError;
    return art;
}

void Document::Forget(Art& art) {
    live_.erase(&art);
    for (Art* child : art.children) Forget(*child);
}

void Document::Dispose(Art* art) {
    if (!IsValid(art) || art->parent == nullptr) return;
    auto& siblings = art->parent->children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), art));
    Forget(*art);
}

void Document::Transform(Art& art, const HostRealMatrix& matrix) {
    for (HostPathSegment& segment : art.segments) {
        segment.p = Apply(matrix, segment.p);
        segment.in = Apply(matrix, segment.in);
        segment.out = Apply(matrix, segment.out);
    }
    for (Art* child : art.children) Transform(*child, matrix);
}

}  // namespace host
