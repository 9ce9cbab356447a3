// The dialogs as the JSON state shows them.
#pragma once

#include "emulator/host/dialogs/dialog_manager.h"
#include "emulator/host/json.h"

namespace host {

Json DialogsState(const DialogManager& dialogs);

}  // namespace host
