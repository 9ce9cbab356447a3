// The host's menus: groups in the order they were made, each with its items in order. An
// item may open a submenu, which is a group of its own.
#pragma once

#include <string>
#include <vector>

#include "emulator/models/handle_table.h"
#include "host/types.h"

namespace emulator {

struct MenuGroup;

struct MenuItem {
    std::string name;               // UTF-8; "" for an item without a name
    std::string text;               // UTF-8
    HostPluginRef owner = nullptr;  // null: the host's own, or another program's
    bool enabled = true;
    bool checked = false;
    const MenuGroup* submenu = nullptr;
};

struct MenuGroup {
    std::string name;  // UTF-8
    std::vector<MenuItem*> items;
};

class Menus {
  public:
    // The host's own groups, "About" and "Tool Palettes", empty.
    Menus();

    size_t GroupCount() const { return groups_.Size(); }
    // In the order the groups were made; null past the end.
    MenuGroup* GroupAt(size_t index) const { return groups_.At(index); }
    MenuGroup* GroupNamed(const std::string& name) const;

    // Null for a handle these menus did not hand out.
    MenuGroup* Find(HostMenuGroupHandle group) const { return groups_.Find(group); }
    MenuItem* Find(HostMenuItemHandle item) const { return items_.Find(item); }
    HostMenuGroupHandle HandleOf(const MenuGroup& group) const { return groups_.HandleOf(&group); }
    HostMenuItemHandle HandleOf(const MenuItem& item) const { return items_.HandleOf(&item); }

    // Adds ITEM at the end of GROUP.
    MenuItem& AddItem(MenuGroup& group, MenuItem item);
    // Makes the group NAME, empty, the submenu PARENT opens (no parent: a group on its
    // own). Null when a group already has that name or PARENT already opens a submenu.
    MenuGroup* AddGroup(const std::string& name, MenuItem* parent);

    // Takes out every item OWNER added, and the submenus those items open with all they
    // hold.
    void RemoveOwnedBy(HostPluginRef owner);

    // The first item reading TEXT, the groups taken in order and each group's items in
    // order; null when none does.
    MenuItem* FirstItemReading(const std::string& text) const;

  private:
    HandleTable<HostMenuGroupHandle, MenuGroup> groups_;
    HandleTable<HostMenuItemHandle, MenuItem> items_;
};

}  // namespace emulator
