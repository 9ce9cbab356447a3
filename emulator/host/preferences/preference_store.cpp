#include "emulator/host/preferences/preference_store.h"

#include <cmath>
#include <stdexcept>

#include "emulator/host/preferences/preference_json.h"
#include "emulator/host/safe_file.h"
#include "emulator/host/text_encoding.h"

namespace host {
namespace {

// Refuses what the file could not hold or a plug-in could not be handed.
void Check(const PreferenceValue& value) {
    if (const auto* real = std::get_if<double>(&value); real && !std::isfinite(*real))
        throw std::invalid_argument("a real must be finite");
    if (const auto* text = std::get_if<std::string>(&value); text && !Utf8ToCp1252(*text))
        throw std::invalid_argument("the text has a character Windows-1252 lacks");
}

}  // namespace

void PreferenceStore::Put(const std::string& prefix, const std::string& key,
                          PreferenceValue value) {
    Check(value);
    prefixes_[prefix][key] = std::move(value);
}

std::optional<std::string> PreferenceStore::Load(const std::string& path) {
    prefixes_.clear();
    try {
        if (std::optional<std::string> text = ReadFileIfPresent(path))
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

}  // namespace host
