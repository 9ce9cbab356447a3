// Preferences: typed values a plug-in keeps from one session to the next.
#include <algorithm>
#include <cstring>
#include <type_traits>

#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIPreferenceSuite;

Arguments Describe(const char* prefix, const char* key) {
    return Arguments().Add("prefix", prefix).Add("key", key);
}

// The store's name for PREFIX: a null prefix names the host's own keys, as "" does.
std::string PrefixName(const char* prefix) {
    return prefix == nullptr ? std::string() : Cp1252ToUtf8(prefix);
}

// The value of type T under PREFIX and KEY, or null. The dialog manager hears of the read.
template <typename T>
const T* Lookup(Host& host, const char* prefix, const char* key) {
    host.Dialogs().NotePreferenceRead(PrefixName(prefix), Cp1252ToUtf8(key));
    return host.Preferences().Find<T>(PrefixName(prefix), Cp1252ToUtf8(key));
}

// What the store keeps, as STORED, of VALUE as the plug-in passes it.
template <typename Stored, typename Value>
PreferenceValue StoredForm(Value value) {
    if constexpr (std::is_same_v<Stored, std::string>) {
        if (value == nullptr) throw std::invalid_argument("null text");
        return Cp1252ToUtf8(value);
    } else {
        return static_cast<Stored>(value);
    }
}

// Serves the get of a truth value or a number stored as STORED into *VALUE.
template <typename Stored, typename Output>
HostErr GetScalar(const char* function, const char* prefix, const char* key, Output* value) {
    return Serve(
        kSuite, function, [&] { return Describe(prefix, key); }, Needs(NonNull(key, value)),
        [&](Host& host) -> HostErr {
            const Stored* stored = Lookup<Stored>(host, prefix, key);
            if (stored == nullptr) return kHostErrNotFound;
            *value = static_cast<Output>(*stored);
            return kHostNoError;
        });
}

// Serves the put of VALUE, kept as STORED.
template <typename Stored, typename Value>
HostErr PutPreference(const char* function, const char* prefix, const char* key, Value value) {
    return Serve(
        kSuite, function, [&] { return Describe(prefix, key).Add("value", value); },
        Needs(NonNull(key)),
        [&](Host& host) {
            host.Preferences().Put(PrefixName(prefix), Cp1252ToUtf8(key),
                                   StoredForm<Stored>(value));
        });
}

HostErr HOST_API GetBooleanPreference(const char* prefix, const char* key, HostBool32* value) {
    return GetScalar<bool>("GetBooleanPreference", prefix, key, value);
}

HostErr HOST_API PutBooleanPreference(const char* prefix, const char* key, HostBool32 value) {
    return PutPreference<bool>("PutBooleanPreference", prefix, key, value);
}

HostErr HOST_API GetIntegerPreference(const char* prefix, const char* key, int32_t* value) {
    return GetScalar<int32_t>("GetIntegerPreference", prefix, key, value);
}

HostErr HOST_API PutIntegerPreference(const char* prefix, const char* key, int32_t value) {
    return PutPreference<int32_t>("PutIntegerPreference", prefix, key, value);
}

HostErr HOST_API GetRealPreference(const char* prefix, const char* key, double* value) {
    return GetScalar<double>("GetRealPreference", prefix, key, value);
}

HostErr HOST_API PutRealPreference(const char* prefix, const char* key, double value) {
    return PutPreference<double>("PutRealPreference", prefix, key, value);
}

HostErr HOST_API GetStringPreference(const char* prefix, const char* key, char* buffer,
                                     uint32_t size) {
    return Serve(
        kSuite, "GetStringPreference", [&] { return Describe(prefix, key).Add("size", size); },
        Needs(NonNull(key, buffer), Valid(size != 0)),
        [&](Host& host) -> HostErr {
            const std::string* stored = Lookup<std::string>(host, prefix, key);
            if (stored == nullptr) return kHostErrNotFound;
            // The store keeps only text that Windows-1252 can hold.
            std::string text = Utf8ToCp1252(*stored).value();
            size_t length = std::min<size_t>(text.size(), size - 1);
            std::memcpy(buffer, text.data(), length);
            buffer[length] = '\0';
            return kHostNoError;
        });
}

HostErr HOST_API PutStringPreference(const char* prefix, const char* key, const char* value) {
    return PutPreference<std::string>("PutStringPreference", prefix, key, value);
}

const AIPreferenceSuite4 gTable = {.GetBooleanPreference = GetBooleanPreference,
                                   .PutBooleanPreference = PutBooleanPreference,
                                   .GetIntegerPreference = GetIntegerPreference,
                                   .PutIntegerPreference = PutIntegerPreference,
                                   .GetRealPreference = GetRealPreference,
                                   .PutRealPreference = PutRealPreference,
                                   .GetStringPreference = GetStringPreference,
                                   .PutStringPreference = PutStringPreference};

}  // namespace

const void* AiPreferenceSuiteTable() {
    return &gTable;
}

}  // namespace emulator
