#include "emulator/host/preferences/preference_json.h"

#include <limits>
#include <stdexcept>

namespace host {
namespace {

Json ValueJson(const PreferenceValue& value) {
    return std::visit([](const auto& typed) { return Json(typed); }, value);
}

PreferenceValue ValueFromJson(const Json& json, const std::string& where) {
    if (json.IsBool()) return json.AsBool();
    if (json.IsReal()) return json.AsDouble();
    if (json.IsString()) return json.AsString();
    if (!json.IsInteger())
        throw std::runtime_error(where + " is not a truth value, number or text");
    int64_t whole = json.AsInt();
    if (whole < std::numeric_limits<int32_t>::min() || whole > std::numeric_limits<int32_t>::max())
        throw std::runtime_error(where + " does not fit in 32 bits");
    return static_cast<int32_t>(whole);
}

}  // namespace

Json PreferencesJson(const PreferenceStore& store) {
    Json form = Json::MakeObject();
    for (const auto& [prefix, keys] : store.All()) {
        Json& members = form.Set(prefix, Json::MakeObject());
        for (const auto& [key, value] : keys) members.Set(key, ValueJson(value));
    }
    return form;
}

PreferenceStore PreferencesFromJson(const Json& form) {
    if (!form.IsObject()) throw std::runtime_error("not an object of prefixes");
    PreferenceStore store;
    for (const auto& [prefix, keys] : form.AsObject()) {
        if (!keys.IsObject())
            throw std::runtime_error("prefix \"" + prefix + "\" is not an object of keys");
        for (const auto& [key, value] : keys.AsObject()) {
            const std::string where = "key \"" + key + "\" of prefix \"" + prefix + "\"";
            try {
                store.Put(prefix, key, ValueFromJson(value, where));
            } catch (const std::invalid_argument& refused) {
                throw std::runtime_error(where + ": " + refused.what());
            }
        }
    }
    return store;
}

}  // namespace host
