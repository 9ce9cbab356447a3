#include "emulator/models/document/edit_history.h"

namespace emulator {
namespace {

size_t BytesOf(const ArtContent& content) {
    return sizeof content + content.name.capacity() +
           content.segments.capacity() * sizeof(HostPathSegment) +
           content.tags.capacity() * sizeof(Tag);
}

size_t BytesOf(const DocumentChange& change) {
    size_t bytes = sizeof change + change.tree.capacity() * sizeof(TreeEdit) +
                   change.layers.capacity() * sizeof(change.layers.front()) +
                   change.held.capacity() * sizeof(const Art*);
    for (const auto& edit : change.arts) bytes += BytesOf(edit.before) + BytesOf(edit.after);
    return bytes;
}

}  // namespace

EditHistory::EditHistory(Document& document) : document_(document) {
    document_.SetRecording(true);
}

EditHistory::~EditHistory() {
    Clear();
    document_.SetRecording(false);
}

void EditHistory::EndStep() {
    DocumentChange change = document_.TakeChange();
    if (change.Empty()) return;
    for (Step& step : undone_) Drop(step);
    undone_.clear();
    done_.push_back({nextId_++, std::move(change)});
    if (done_.size() > kStepsKept) {
        Drop(done_.front());
        done_.pop_front();
    }
}

bool EditHistory::Undo() {
    if (done_.empty()) return false;
    document_.Undo(done_.back().change);
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return true;
}

bool EditHistory::Redo() {
    if (undone_.empty()) return false;
    document_.Redo(undone_.back().change);
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return true;
}

void EditHistory::Clear() {
    DocumentChange pending = document_.TakeChange();
    document_.Release(pending);
    for (Step& step : done_) Drop(step);
    for (Step& step : undone_) Drop(step);
    done_.clear();
    undone_.clear();
    saved_ = 0;
}

size_t EditHistory::BytesHeld() const {
    size_t bytes = document_.ArtKeptForUndo() * sizeof(Art);
    for (const Step& step : done_) bytes += BytesOf(step.change);
    for (const Step& step : undone_) bytes += BytesOf(step.change);
    return bytes;
}

}  // namespace emulator
