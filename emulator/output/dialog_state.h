// The dialogs as the JSON state shows them.
#pragma once

#include "emulator/common/json.h"
#include "emulator/core/dialog_manager.h"

namespace emulator {

Json DialogsState(const DialogManager& dialogs);

}  // namespace emulator
