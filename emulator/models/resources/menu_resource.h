// Standard (not extended) MENU resources: the menus a plug-in ships in its resources.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace emulator {

// Flags as the menu template stores them.
constexpr uint16_t kMenuPopup = 0x0010;      // the entry opens a list of its own
constexpr uint16_t kMenuLastEntry = 0x0080;  // the entry ends its list

// One entry of a menu; a popup is an entry whose title is its text and which holds a list.
struct MenuEntry {
    uint16_t flags = 0;  // as stored, the last-entry flag included
    uint16_t id = 0;     // 0 for popups, which have none
    std::string text;    // UTF-8
    bool separator = false;
    std::vector<MenuEntry> entries;  // a popup's list

    bool IsPopup() const { return (flags & kMenuPopup) != 0; }
};

// The top-level entries of the MENU resource DATA. Throws std::runtime_error, never reading
// past DATA, when it is not a well-formed standard menu template.
std::vector<MenuEntry> ParseMenuResource(const std::vector<unsigned char>& data);

}  // namespace emulator
