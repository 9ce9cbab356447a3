// What the user does with the host's selection tool, and the keys that act on what it
// selected. A change of the art tells the plug-in as the host's other tools do.
#include <stdexcept>
#include <string>

#include "emulator/core/host.h"
#include "host/messages.h"

namespace emulator {

ActionOutcome Host::UseSelectionTool(const char* selector, HostRealPoint pointer) {
    const std::string step = selector;
    if (step == kSelectorAIToolMouseDown) {
        // A few pixels of the view, whatever its zoom.
        double reach = SelectionTool::kReachPixels / document_.FirstView().Zoom();
        selectionTool_.Press(document_, pointer, reach);
    } else if (step == kSelectorAIToolMouseDrag) {
        try {
            if (selectionTool_.DragTo(document_, pointer)) NotifyArtChanged();
        } catch (const std::invalid_argument& refused) {
            return ActionOutcome::NothingHappens(std::string("the selection cannot move: ") +
                                                 refused.what() + "; nothing moves");
        }
    } else if (step == kSelectorAIToolMouseUp) {
        selectionTool_.Release();
    } else if (step != kSelectorAITrackToolCursor) {
        return ActionOutcome::NothingHappens(std::string("the host's selection tool does not "
                                                         "answer \"") +
                                             selector + "\"; nothing happens");
    }
    return ActionOutcome::Done();
}

ActionOutcome Host::PressKey(CommandKey key) {
    Art* selection = document_.Selection();
    if (selection == nullptr)
        return ActionOutcome::NothingHappens("nothing is selected: " + NameOf(key) +
                                             " does nothing");
    if (key == CommandKey::kEscape) {
        document_.Select(nullptr);
        return ActionOutcome::Done();
    }
    document_.Dispose(*selection);
    NotifyArtChanged();
    return ActionOutcome::Done();
}

}  // namespace emulator
