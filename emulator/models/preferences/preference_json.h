// The preferences as JSON, the same in the preference file and in the host's state:
// {"PREFIX": {"KEY": value}}, with "" for the host's own keys. A real always reads back as
// a real (1.0, never 1), so every value keeps its type through the file.
#pragma once

#include "emulator/common/json.h"
#include "emulator/models/preferences/preference_store.h"

namespace emulator {

Json PreferencesJson(const PreferenceStore& store);

// The store that FORM describes. Throws std::runtime_error saying what in it is wrong.
PreferenceStore PreferencesFromJson(const Json& form);

}  // namespace emulator
