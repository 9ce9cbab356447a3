// Every action the emulated host takes from a driver, grouped by what it acts on.
#pragma once

#include <vector>

#include "emulator/drivers/scenario/action.h"
#include "emulator/drivers/scenario/action_table.h"

namespace emulator {

// The whole table, groups in the order below.
const ActionTable& HostActions();

// The application and the plug-in's life: start, quit, unload, reload, about, raw calls,
// suites left out, alerts, snapshots.
std::vector<Action> ApplicationActions();
// The document's layers.
std::vector<Action> DocumentActions();
// The drawing saved to a file and opened from one.
std::vector<Action> FileActions();
// The document's views.
// The Edit menu: undo and redo.
std::vector<Action> EditActions();
std::vector<Action> ViewActions();
// The host's menus.
std::vector<Action> MenuActions();
// The preference store.
std::vector<Action> PreferenceActions();
// The user's actions in the panel and in the modal dialog on screen.
std::vector<Action> DialogActions();
// The toolbox, the modifier keys and the mouse over the artwork.
std::vector<Action> ToolActions();

}  // namespace emulator
