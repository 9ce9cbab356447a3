// The host's Undo and Redo, what they do to a gesture under way, and a drawing opened in
// place of the document: what the history makes of the document's changes.
#include "emulator/core/host.h"
#include "host/messages.h"

namespace emulator {

bool Host::GestureUnderWay() const {
    return input_.ButtonDown() || document_.ChangeUnfinished();
}

void Host::AbandonGesture() {
    input_.SetButtonDown(false);
    Tool& tool = toolbox_.Current();
    // The tool forgets its gesture before the art it worked on goes, and starts afresh once
    // the document is back as it was.
    bool told = tool.owner == plugin_.Ref() && started_ && !Unloaded();
    if (told) SendToolMessage(tool, kSelectorAIDeselectTool, {});
    document_.RollBack();
    if (told) SendToolMessage(tool, kSelectorAISelectTool, {});
    NotifyArtChanged();
}

ActionOutcome Host::Undo() {
    if (GestureUnderWay()) {
        AbandonGesture();
        return ActionOutcome::Done();
    }
    history_.EndStep();
    if (!history_.Undo()) return ActionOutcome::NothingHappens("there is nothing to undo");
    NotifyArtChanged();
    return ActionOutcome::Done();
}

ActionOutcome Host::Redo() {
    if (GestureUnderWay()) AbandonGesture();
    history_.EndStep();
    if (!history_.Redo()) return ActionOutcome::NothingHappens("there is nothing to redo");
    NotifyArtChanged();
    return ActionOutcome::Done();
}

void Host::OpenDrawing(const emulator::Drawing& drawing) {
    if (GestureUnderWay()) AbandonGesture();
    // The steps refer to art the opened drawing replaces; its own making is no step.
    history_.Clear();
    document_.Replace(drawing);
    history_.Clear();
    NotifyArtChanged();
}

}  // namespace emulator
