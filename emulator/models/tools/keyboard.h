// The modifier keys the user holds down.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace emulator {

enum class ModifierKey { kAlt, kShift };

// "alt" or "shift"; nothing for any other word.
std::optional<ModifierKey> ModifierKeyNamed(const std::string& name);
std::string NameOf(ModifierKey key);

// The keys that act on the host's selection when pressed.
enum class CommandKey { kDelete, kBackspace, kEscape };

// "delete", "backspace" or "escape"; nothing for any other word.
std::optional<CommandKey> CommandKeyNamed(const std::string& name);
std::string NameOf(CommandKey key);

class Keyboard {
  public:
    void Hold(ModifierKey key) { held_.insert(key); }
    void Release(ModifierKey key) { held_.erase(key); }
    bool IsDown(ModifierKey key) const { return held_.count(key) != 0; }
    // The held keys' names, in a fixed order.
    std::vector<std::string> HeldNames() const;
    // The modifiers of a tool message (kHostShiftKey, kHostOptionKey).
    int32_t ToolModifiers() const;
    // The key a Windows virtual-key code names, if the host knows it.
    static std::optional<ModifierKey> FromVirtualKey(int virtualKey);

  private:
    std::set<ModifierKey> held_;
};

// One beep the plug-in asked for.
struct BeepSound {
    uint32_t hertz = 0;
    uint32_t milliseconds = 0;
};

}  // namespace emulator
