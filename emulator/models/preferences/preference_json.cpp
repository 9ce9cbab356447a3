#include "emulator/models/preferences/preference_json.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace emulator {
namespace {

Json ValueJson(const PreferenceValue& value) {
    return std::visit([](const auto& typed) { return Json(typed); }, value);
}

// A whole number of JSON as the store's 32 bits.
int32_t WholeFromJson(const Json& json, const std::string& where) {
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    bool fits = json.is_number_unsigned()
                    ? json.get<uint64_t>() <= static_cast<uint64_t>(kMax)
                    : json.get<int64_t>() >= kMin && json.get<int64_t>() <= kMax;
    if (!fits) throw std::runtime_error(where + " does not fit in 32 bits");
    return json.get<int32_t>();
}

PreferenceValue ValueFromJson(const Json& json, const std::string& where) {
    if (json.is_boolean()) return json.get<bool>();
    if (json.is_number_float()) return json.get<double>();
    if (json.is_string()) return json.get<std::string>();
    if (json.is_number_integer()) return WholeFromJson(json, where);
    throw std::runtime_error(where + " is not a truth value, number or text");
}

}  // namespace

Json PreferencesJson(const PreferenceStore& store) {
    Json form = Json::object();
    for (const auto& [prefix, keys] : store.All()) {
        Json members = Json::object();
        for (const auto& [key, value] : keys) AppendMember(members, key, ValueJson(value));
        AppendMember(form, prefix, std::move(members));
    }
    return form;
}

PreferenceStore PreferencesFromJson(const Json& form) {
    if (!form.is_object()) throw std::runtime_error("not an object of prefixes");
    PreferenceStore store;
    for (const auto& [prefix, keys] : form.items()) {
        if (!keys.is_object())
            throw std::runtime_error("prefix \"" + prefix + "\" is not an object of keys");
        for (const auto& [key, value] : keys.items()) {
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

}  // namespace emulator
