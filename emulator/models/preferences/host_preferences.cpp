#include "emulator/models/preferences/host_preferences.h"

#include <utility>

namespace emulator {
namespace {

bool Holds(const PreferenceStore& store, const std::string& prefix, const std::string& key) {
    auto keys = store.All().find(prefix);
    return keys != store.All().end() && keys->second.contains(key);
}

}  // namespace

void PutHostDefaults(PreferenceStore& store) {
    const std::pair<const char*, PreferenceValue> defaults[] = {
        {kSmartGuideRedKey, 1.0},
        {kSmartGuideGreenKey, 0.0},
        {kSmartGuideBlueKey, 1.0},
    };
    for (const auto& [key, value] : defaults)
        if (!Holds(store, "", key)) store.Put("", key, value);
}

}  // namespace emulator
