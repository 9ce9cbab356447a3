// The host's preferences: typed values by prefix and key, which plug-ins read and write
// through the preference suite and which outlive the session in a file.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>

namespace emulator {

// Text, prefixes and keys are UTF-8 here and hold only characters Windows-1252 has, since
// plug-ins read them in that encoding. Reals are 64-bit and finite.
using PreferenceValue = std::variant<bool, int32_t, double, std::string>;

class PreferenceStore {
  public:
    using Keys = std::map<std::string, PreferenceValue>;
    // By prefix; "" holds the host's own keys.
    using Prefixes = std::map<std::string, Keys>;

    // The value under PREFIX and KEY if it is stored with type T, else null. Valid until the
    // next change to the store.
    template <typename T>
    const T* Find(const std::string& prefix, const std::string& key) const {
        auto keys = prefixes_.find(prefix);
        if (keys == prefixes_.end()) return nullptr;
        auto value = keys->second.find(key);
        return value == keys->second.end() ? nullptr : std::get_if<T>(&value->second);
    }

    // Stores VALUE under PREFIX and KEY, replacing whatever was there. Throws
    // std::invalid_argument, leaving the store unchanged, for what no plug-in could be handed:
    // a prefix, key or text that is not UTF-8 or has a character Windows-1252 lacks, or a
    // real that is not finite.
    void Put(const std::string& prefix, const std::string& key, PreferenceValue value);

    // Removes what is stored under PREFIX and KEY, if anything; a prefix left with no key
    // goes too.
    void Remove(const std::string& prefix, const std::string& key);

    const Prefixes& All() const { return prefixes_; }

    // Replaces the contents with those of the file PATH; a missing file leaves the store
    // empty. A file that does not hold preferences is moved aside to PATH.bad so that
    // nothing in it is lost, and the store starts empty: the answer is then the line to tell
    // the user. Throws std::runtime_error, changing neither the store nor PATH, when PATH is
    // not a regular file (a folder, a FIFO, a device) or cannot be read: the run must stop
    // rather than lose it. Throws too when a bad file cannot be moved aside.
    std::optional<std::string> Load(const std::string& path);

    // Writes every value to PATH atomically, keeping the previous file as PATH.bak. Throws
    // std::runtime_error naming PATH and the reason when it cannot.
    void Save(const std::string& path) const;

  private:
    Prefixes prefixes_;
};

}  // namespace emulator
