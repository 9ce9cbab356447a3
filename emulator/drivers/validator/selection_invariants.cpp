#include "emulator/drivers/validator/selection_invariants.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "emulator/core/host.h"

namespace emulator {
namespace {

using Broken = std::optional<BrokenInvariant>;

void CollectAnchors(const Art& art, std::vector<HostRealPoint>& anchors) {
    for (const HostPathSegment& segment : art.segments) anchors.push_back(segment.p);
    for (const Art* child : art.children) CollectAnchors(*child, anchors);
}

std::vector<HostRealPoint> AnchorsOf(const Art& art) {
    std::vector<HostRealPoint> anchors;
    CollectAnchors(art, anchors);
    return anchors;
}

// Whether TARGET is among the art GROUP holds, found without reading TARGET itself: a
// selection left pointing at freed art must be found, not read.
bool Holds(const Art& group, const Art* target) {
    return std::any_of(group.children.begin(), group.children.end(),
                       [&](const Art* child) { return child == target || Holds(*child, target); });
}

bool InDocument(const Document& document, const Art* art) {
    for (size_t i = 0; i < document.LayerCount(); ++i)
        if (Holds(*document.LayerAt(i)->group, art)) return true;
    return false;
}

// A float32 sum rounds: a displacement is the same within a few float steps of the
// coordinates it was added to.
bool SameShift(double a, double b, double magnitude) {
    return std::abs(a - b) <= 4 * std::numeric_limits<float>::epsilon() * magnitude + 1e-6;
}

// Whether moving ANCHORS by (DH, DV) would take a point beyond float32, which the host
// refuses, moving nothing.
bool BeyondRange(const std::vector<HostRealPoint>& anchors, double dh, double dv) {
    return std::any_of(anchors.begin(), anchors.end(), [&](HostRealPoint p) {
        return std::abs(p.h + dh) > std::numeric_limits<float>::max() ||
               std::abs(p.v + dv) > std::numeric_limits<float>::max();
    });
}

bool Began(const std::vector<std::string>& actions, const std::string& name) {
    return std::find(actions.begin(), actions.end(), name) != actions.end();
}

}  // namespace

// Another tool's drag (the plug-in's dragging a vertex) reshapes art its own way.
bool SelectionInvariants::SelectionToolInHand() const {
    const Tool& tool = host_.Tools().Current();
    return tool.owner == nullptr && tool.name == Toolbox::kSelectionToolName;
}

Broken SelectionInvariants::CheckMove(const Art& selection) const {
    std::vector<HostRealPoint> now = AnchorsOf(selection);
    if (now.size() != anchors_.size() || !pointer_ || !host_.Input().Pointer()) return std::nullopt;
    double dh = double{host_.Input().Pointer()->h} - pointer_->h;
    double dv = double{host_.Input().Pointer()->v} - pointer_->v;
    bool moved = false;
    for (size_t i = 0; i < now.size(); ++i)
        moved = moved || now[i].h != anchors_[i].h || now[i].v != anchors_[i].v;
    if (!moved) return std::nullopt;  // a drag that held nothing, or one refused
    if (BeyondRange(anchors_, dh, dv))
        return BrokenInvariant{"selection moved beyond the range of points", selection.name};
    for (size_t i = 0; i < now.size(); ++i) {
        double magnitude = std::max(
            {std::abs(double{now[i].h}), std::abs(double{now[i].v}), std::abs(dh), std::abs(dv)});
        if (!SameShift(double{now[i].h} - anchors_[i].h, dh, magnitude) ||
            !SameShift(double{now[i].v} - anchors_[i].v, dv, magnitude))
            return BrokenInvariant{"selection moved unlike the pointer",
                                   "anchor " + std::to_string(i + 1) + " of the selection"};
    }
    return std::nullopt;
}

Broken SelectionInvariants::Check(const std::vector<std::string>& actions) {
    const Document& document = host_.Drawing();
    const Art* selection = document.Selection();
    Broken broken;
    if (selection != nullptr) {
        HostArtHandle handle =
            InDocument(document, selection) ? document.HandleOf(selection) : nullptr;
        if (handle == nullptr || document.FindArt(handle) != selection)
            broken = BrokenInvariant{"selection not live art", "a selection of the document"};
        else if (!selection->layer->Editable())
            broken =
                BrokenInvariant{"selection on a locked or hidden layer", selection->layer->title};
        else if (selection->parent != selection->layer->group)
            broken = BrokenInvariant{"selection not a top-level object", selection->layer->title};
        else if (handle == selected_ && Began(actions, "drag") && SelectionToolInHand())
            broken = CheckMove(*selection);
    }
    Remember();
    return broken;
}

void SelectionInvariants::Remember() {
    const Art* selection = host_.Drawing().Selection();
    bool live = selection != nullptr && InDocument(host_.Drawing(), selection);
    selected_ = live ? host_.Drawing().HandleOf(selection) : nullptr;
    anchors_ = live ? AnchorsOf(*selection) : std::vector<HostRealPoint>{};
    pointer_ = host_.Input().Pointer();
}

}  // namespace emulator
