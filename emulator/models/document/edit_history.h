// The user's steps on the document, for undo and redo: each user event that changed the
// document is one step, a gesture (a drag, a figure clicked vertex by vertex) one step once
// it is over. At most kStepsKept steps are kept: the oldest goes first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "emulator/models/document/document.h"

namespace emulator {

class EditHistory {
  public:
    static constexpr size_t kStepsKept = 200;

    // Records every change of DOCUMENT from now on.
    explicit EditHistory(Document& document);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // The change under way becomes a step, unless it changed nothing; a step drops the
    // steps undone before it.
    void EndStep();
    bool CanUndo() const { return !done_.empty(); }
    bool CanRedo() const { return !undone_.empty(); }
    size_t UndoCount() const { return done_.size(); }
    size_t RedoCount() const { return undone_.size(); }
    // The last step undone or redone. False when there is none.
    bool Undo();
    bool Redo();
    // Every step forgotten: the document opened is a new start, and unmodified.
    void Clear();

    // The document is as it was when last kept in a file (or opened, or made).
    void MarkSaved() { saved_ = Top(); }
    bool Modified() const { return saved_ != Top(); }

    // Bytes the steps hold, beyond the document itself (what each change noted and the art
    // kept for it), for measuring.
    size_t BytesHeld() const;

  private:
    struct Step {
        uint64_t id;
        DocumentChange change;
    };
    uint64_t Top() const { return done_.empty() ? 0 : done_.back().id; }
    void Drop(Step& step) { document_.Release(step.change); }

    Document& document_;
    std::deque<Step> done_;     // oldest first
    std::vector<Step> undone_;  // the last undone at the end
    uint64_t nextId_ = 1;
    uint64_t saved_ = 0;
};

}  // namespace emulator
