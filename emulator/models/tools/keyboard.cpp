#include "emulator/models/tools/keyboard.h"

#include "host/messages.h"
#include "host/windows_platform.h"

namespace emulator {

std::optional<ModifierKey> ModifierKeyNamed(const std::string& name) {
    if (name == "alt") return ModifierKey::kAlt;
    if (name == "shift") return ModifierKey::kShift;
    return std::nullopt;
}

std::string NameOf(ModifierKey key) {
    return key == ModifierKey::kAlt ? "alt" : "shift";
}

std::optional<CommandKey> CommandKeyNamed(const std::string& name) {
    for (CommandKey key : {CommandKey::kDelete, CommandKey::kBackspace, CommandKey::kEscape})
        if (NameOf(key) == name) return key;
    return std::nullopt;
}

std::string NameOf(CommandKey key) {
    switch (key) {
        case CommandKey::kDelete:
            return "delete";
        case CommandKey::kBackspace:
            return "backspace";
        case CommandKey::kEscape:
            return "escape";
    }
    return {};
}

std::vector<std::string> Keyboard::HeldNames() const {
    std::vector<std::string> names;
    for (ModifierKey key : held_) names.push_back(NameOf(key));
    return names;
}

int32_t Keyboard::ToolModifiers() const {
    int32_t modifiers = 0;
    if (IsDown(ModifierKey::kShift)) modifiers |= kHostShiftKey;
    // ALT is the option key of the tool messages.
    if (IsDown(ModifierKey::kAlt)) modifiers |= kHostOptionKey;
    return modifiers;
}

std::optional<ModifierKey> Keyboard::FromVirtualKey(int virtualKey) {
    if (virtualKey == VK_MENU) return ModifierKey::kAlt;
    if (virtualKey == VK_SHIFT) return ModifierKey::kShift;
    return std::nullopt;
}

}  // namespace emulator
