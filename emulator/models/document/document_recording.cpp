// The document's changes recorded, undone and redone (the Document's part an undo history
// relies on).
#include <algorithm>
#include <cstring>

#include "emulator/models/document/document.h"
#include "host/ai_art.h"

namespace emulator {
namespace {

bool SameSegments(const std::vector<HostPathSegment>& a, const std::vector<HostPathSegment>& b) {
    // Bit for bit: a coordinate rewritten with the same value is no change, -0 for 0 is.
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(HostPathSegment)) == 0);
}

ArtContent ContentOf(const Art& art) {
    return {art.name, art.segments, art.closed, art.guide, art.tags};
}

LayerContent ContentOf(const Layer& layer) {
    return {layer.title, layer.locked, layer.visible};
}

void Restore(Layer& layer, const LayerContent& content) {
    layer.title = content.title;
    layer.locked = content.locked;
    layer.visible = content.visible;
}

}  // namespace

bool ArtContent::operator==(const ArtContent& other) const {
    return name == other.name && SameSegments(segments, other.segments) && closed == other.closed &&
           guide == other.guide && tags == other.tags;
}

void Document::SetCurrent(Layer* layer) {
    if (recording_ && !pending_.currentLayer) pending_.currentLayer = {current_, current_};
    current_ = layer;
}

void Document::Hold(const Art& art) {
    pending_.held.push_back(&art);
    ++holds_[&art];
}

void Document::HoldTree(const Art& art) {
    Hold(art);
    for (const Art* child : art.children) HoldTree(*child);
}

void Document::Touch(Art& art) {
    if (!recording_ || pending_.artIndex.contains(&art)) return;
    pending_.artIndex.emplace(&art, pending_.arts.size());
    pending_.arts.push_back({&art, ContentOf(art), {}});
    Hold(art);
}

void Document::Touch(Layer& layer) {
    if (!recording_) return;
    for (const auto& edit : pending_.layers)
        if (edit.object == &layer) return;
    pending_.layers.push_back({&layer, ContentOf(layer), {}});
}

void Document::SuspendTree(const Art& art) {
    for (const Art* child : art.children) SuspendTree(*child);
    anchors_.Remove(art);
    outlines_.Remove(art);
    if (selection_ == &art) selection_ = nullptr;
    arts_.Suspend(art);
}

void Document::ResumeTree(Art& art) {
    arts_.Resume(art);
    if (art.type == kHostPathArt) Reindex(art);
    for (Art* child : art.children) ResumeTree(*child);
}

void Document::SetContent(Art& art, const ArtContent& content) {
    art.name = content.name;
    art.segments = content.segments;
    art.closed = content.closed;
    art.guide = content.guide;
    art.tags = content.tags;
    if (art.type == kHostPathArt && InUse(art)) Reindex(art);
}

void Document::Close(DocumentChange& change) const {
    for (auto& edit : change.arts) edit.after = ContentOf(*edit.object);
    for (auto& edit : change.layers) edit.after = ContentOf(*edit.object);
    if (change.currentLayer) change.currentLayer->after = current_;
}

// Nothing made stayed, nothing that was there went, no content differs: guides drawn and
// taken away again during a gesture, say.
bool Document::NetEmpty(const DocumentChange& change) const {
    auto madeAndGone = [&](const Art* art) {
        return std::any_of(change.tree.begin(), change.tree.end(),
                           [&](const TreeEdit& edit) {
                               return edit.kind == TreeEdit::Kind::kArtInserted && edit.art == art;
                           }) &&
               !InUse(*art);
    };
    for (const TreeEdit& edit : change.tree)
        if (edit.kind == TreeEdit::Kind::kLayerInserted || !madeAndGone(edit.art)) return false;
    for (const auto& edit : change.arts)
        if (!(edit.before == edit.after) && !madeAndGone(edit.object)) return false;
    for (const auto& edit : change.layers)
        if (!(edit.before == edit.after)) return false;
    return !change.currentLayer || change.currentLayer->before == change.currentLayer->after;
}

DocumentChange Document::TakeChange() {
    DocumentChange change = std::move(pending_);
    pending_ = {};
    Close(change);
    if (NetEmpty(change)) {
        Release(change);
        return {};
    }
    // Content put back as it was is no change to keep.
    std::erase_if(change.arts, [](const auto& edit) { return edit.before == edit.after; });
    change.artIndex.clear();
    return change;
}

bool Document::ChangeUnfinished() const {
    auto guideShown = [&](const Art* art) { return art->guide && InUse(*art); };
    auto emptyGroupShown = [&](const Art* art) {
        return art->type == kHostGroupArt && art->children.empty() && InUse(*art);
    };
    for (const auto& edit : pending_.arts)
        if (guideShown(edit.object)) return true;
    for (const TreeEdit& edit : pending_.tree)
        if (edit.kind == TreeEdit::Kind::kArtInserted &&
            (guideShown(edit.art) || emptyGroupShown(edit.art)))
            return true;
    return false;
}

void Document::Undo(const DocumentChange& change) {
    for (auto edit = change.tree.rbegin(); edit != change.tree.rend(); ++edit) {
        switch (edit->kind) {
            case TreeEdit::Kind::kArtInserted:
                Detach(*edit->art);
                SuspendTree(*edit->art);
                break;
            case TreeEdit::Kind::kArtRemoved:
                Attach(*edit->art, edit->index);
                ResumeTree(*edit->art);
                break;
            case TreeEdit::Kind::kLayerInserted:
                std::erase(order_, edit->layer);
                layers_.Suspend(*edit->layer);
                SuspendTree(*edit->layer->group);
                break;
        }
    }
    for (const auto& edit : change.arts) SetContent(*edit.object, edit.before);
    for (const auto& edit : change.layers) Restore(*edit.object, edit.before);
    if (change.currentLayer) current_ = change.currentLayer->before;
}

void Document::Redo(const DocumentChange& change) {
    for (const TreeEdit& edit : change.tree) {
        switch (edit.kind) {
            case TreeEdit::Kind::kArtInserted:
                Attach(*edit.art, edit.index);
                ResumeTree(*edit.art);
                break;
            case TreeEdit::Kind::kArtRemoved:
                Detach(*edit.art);
                SuspendTree(*edit.art);
                break;
            case TreeEdit::Kind::kLayerInserted:
                order_.insert(order_.begin() +
                                  static_cast<std::ptrdiff_t>(std::min(edit.index, order_.size())),
                              edit.layer);
                layers_.Resume(*edit.layer);
                ResumeTree(*edit.layer->group);
                break;
        }
    }
    for (const auto& edit : change.arts) SetContent(*edit.object, edit.after);
    for (const auto& edit : change.layers) Restore(*edit.object, edit.after);
    if (change.currentLayer) current_ = change.currentLayer->after;
}

void Document::Release(DocumentChange& change) {
    for (const Art* art : change.held) {
        auto found = holds_.find(art);
        if (--found->second > 0) continue;
        holds_.erase(found);
        if (arts_.Suspended(*art)) arts_.Erase(*art);
    }
    change.held.clear();
}

void Document::RollBack() {
    DocumentChange change = std::move(pending_);
    pending_ = {};
    Undo(change);
    Release(change);
}

}  // namespace emulator
