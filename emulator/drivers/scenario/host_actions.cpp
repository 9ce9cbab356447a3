#include "emulator/drivers/scenario/host_actions.h"

namespace emulator {

const ActionTable& HostActions() {
    static const ActionTable table([] {
        std::vector<Action> actions;
        for (auto group : {ApplicationActions, DocumentActions, FileActions, EditActions,
                           ViewActions, MenuActions, PreferenceActions, DialogActions, ToolActions})
            for (Action& action : group()) actions.push_back(std::move(action));
        return actions;
    }());
    return table;
}

}  // namespace emulator
