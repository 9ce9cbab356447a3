// The host's own preferences (no prefix) that plug-ins read: a fresh host holds them with
// their defaults.
#pragma once

#include "emulator/models/preferences/preference_store.h"

namespace emulator {

// The smart guides' colour, each component a real from 0 to 1; magenta by default.
constexpr const char* kSmartGuideRedKey = "snapomatic/Color/red";
constexpr const char* kSmartGuideGreenKey = "snapomatic/Color/green";
constexpr const char* kSmartGuideBlueKey = "snapomatic/Color/blue";

// Puts the default of each of the host's own keys that STORE lacks.
void PutHostDefaults(PreferenceStore& store);

}  // namespace emulator
