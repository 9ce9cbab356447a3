#include "emulator/models/preferences/preference_store.h"

#include <cmath>
#include <stdexcept>

#include "emulator/common/safe_file.h"
#include "emulator/common/text_encoding.h"
#include "emulator/models/preferences/preference_json.h"

namespace emulator {
namespace {

// Refuses TEXT (a prefix, key or value, named by WHAT) unless a plug-in could be handed it:
// UTF-8 holding only characters Windows-1252 has.
void CheckText(const std::string& text, const char* what) {
    if (!Utf8ToCp1252(text))
        throw std::invalid_argument(std::string("the ") + what +
                                    " has a character Windows-1252 lacks");
}

// Refuses what the file could not hold or a plug-in could not be handed.
void Check(const std::string& prefix, const std::string& key, const PreferenceValue& value) {
    CheckText(prefix, "prefix");
    CheckText(key, "key");
    if (const auto* real = std::get_if<double>(&value); real && !std::isfinite(*real))
        throw std::invalid_argument("a real must be finite");
    if (const auto* text = std::get_if<std::string>(&value)) CheckText(*text, "text");
}

}  // namespace

void PreferenceStore::Put(const std::string& prefix, const std::string& key,
                          PreferenceValue value) {
    Check(prefix, key, value);
    prefixes_[prefix][key] = std::move(value);
}

void PreferenceStore::Remove(const std::string& prefix, const std::string& key) {
    auto keys = prefixes_.find(prefix);
    if (keys == prefixes_.end()) return;
    keys->second.erase(key);
    if (keys->second.empty()) prefixes_.erase(keys);
}

std::optional<std::string> PreferenceStore::Load(const std::string& path) {
    std::optional<std::string> text = ReadFileIfPresent(path);
    prefixes_.clear();
    if (!text) return std::nullopt;
    try {
        *this = PreferencesFromJson(ParseJson(*text));
        return std::nullopt;
    } catch (const std::runtime_error& error) {
        std::string aside = SetAside(path, ".bad");
        return "preferences " + path + " could not be read (" + error.what() + "); moved to " +
               aside + ", starting empty";
    }
}

void PreferenceStore::Save(const std::string& path) const {
    ReplaceFile(path, JsonFileText(PreferencesJson(*this)));
}

}  // namespace emulator
