// A preference file as the host reads it. What it accepts must write back to a file that
// reads as the same preferences, since the host rewrites the file at every quit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "emulator/common/json.h"
#include "emulator/models/preferences/preference_json.h"

using emulator::PreferenceStore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PreferenceStore store;
    try {
        store = emulator::PreferencesFromJson(
            emulator::ParseJson(std::string_view(reinterpret_cast<const char*>(data), size)));
    } catch (const std::runtime_error&) {
        return 0;
    }
    std::string written = emulator::JsonFileText(emulator::PreferencesJson(store));
    PreferenceStore reread = emulator::PreferencesFromJson(emulator::ParseJson(written));
    if (reread.All() != store.All()) std::abort();
    return 0;
}
