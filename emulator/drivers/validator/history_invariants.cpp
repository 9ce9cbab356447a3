#include "emulator/drivers/validator/history_invariants.h"

#include <algorithm>

#include "emulator/core/host.h"
#include "emulator/output/state.h"

namespace emulator {

std::optional<BrokenInvariant> HistoryInvariants::Check(const std::vector<std::string>& actions) {
    // Between the steps of a gesture the document is the gesture's.
    if (host_.GestureUnderWay()) return std::nullopt;
    const EditHistory& history = host_.History();
    size_t step = history.UndoCount();
    // Once the oldest steps go, the numbers no longer name the same states.
    if (step >= EditHistory::kStepsKept) atStep_.clear();
    Json document = DocumentState(host_.Drawing());
    // What is selected is no step of the history: an undo leaves it where it is.
    document.erase("selection");
    bool moved = std::any_of(actions.begin(), actions.end(), [](const std::string& name) {
        return name == "undo" || name == "redo";
    });
    if (moved && step < atStep_.size() && !atStep_[step].is_null() && atStep_[step] != document)
        return BrokenInvariant{"undo or redo left another document than the step's",
                               "step " + std::to_string(step)};
    // Steps past the last one redoable are forgotten by the history too.
    atStep_.resize(step + 1 + history.RedoCount());
    atStep_[step] = std::move(document);
    return std::nullopt;
}

}  // namespace emulator
