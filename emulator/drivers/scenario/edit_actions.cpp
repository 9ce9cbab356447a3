// The host's Edit menu: undo and redo.
#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"

namespace emulator {
namespace {

Action EditCommand(const std::string& name, const std::string& summary,
                   ActionOutcome (Host::*command)()) {
    return {
        .name = name, .summary = summary, .compile = [command](const ActionArguments&) -> Effect {
            return [command](Host& host, ActionContext& context) {
                ActionOutcome outcome = (host.*command)();
                if (!outcome.done) context.Notice(outcome.notice);
            };
        }};
}

}  // namespace

std::vector<Action> EditActions() {
    return {
        EditCommand("undo",
                    "undoes the last step that changed the document (a click, a drag, a panel "
                    "edit, a menu choice...); in the middle of a gesture, abandons the gesture "
                    "instead",
                    &Host::Undo),
        EditCommand("redo",
                    "redoes the last step undone; a new change after an undo drops the steps "
                    "left to redo",
                    &Host::Redo),
    };
}

}  // namespace emulator
