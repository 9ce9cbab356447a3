#include "emulator/models/menus.h"

#include <set>

namespace emulator {

Menus::Menus() {
    AddGroup("About", nullptr);
    AddGroup("Tool Palettes", nullptr);
}

MenuGroup* Menus::GroupNamed(const std::string& name) const {
    for (size_t i = 0; i < groups_.Size(); ++i)
        if (groups_.At(i)->name == name) return groups_.At(i);
    return nullptr;
}

MenuItem& Menus::AddItem(MenuGroup& group, MenuItem item) {
    auto owned = std::make_unique<MenuItem>(std::move(item));
    MenuItem& added = *owned;
    items_.Add(std::move(owned));
    group.items.push_back(&added);
    return added;
}

MenuGroup* Menus::AddGroup(const std::string& name, MenuItem* parent) {
    if (GroupNamed(name) != nullptr) return nullptr;
    if (parent != nullptr && parent->submenu != nullptr) return nullptr;
    auto owned = std::make_unique<MenuGroup>(MenuGroup{name, {}});
    MenuGroup* group = owned.get();
    groups_.Add(std::move(owned));
    if (parent != nullptr) parent->submenu = group;
    return group;
}

void Menus::RemoveOwnedBy(HostPluginRef owner) {
    std::set<const MenuGroup*> opened;
    std::set<const MenuItem*> gone;
    items_.ForEach([&](const MenuItem& item) {
        if (item.owner != owner) return;
        gone.insert(&item);
        if (item.submenu != nullptr) opened.insert(item.submenu);
    });
    for (const MenuGroup* group : opened) gone.insert(group->items.begin(), group->items.end());
    groups_.ForEach([&](MenuGroup& group) {
        std::erase_if(group.items, [&](const MenuItem* item) { return gone.contains(item); });
    });
    items_.RemoveIf([&](const MenuItem& item) { return gone.contains(&item); });
    groups_.RemoveIf([&](const MenuGroup& group) { return opened.contains(&group); });
}

MenuItem* Menus::FirstItemReading(const std::string& text) const {
    for (size_t i = 0; i < groups_.Size(); ++i)
        for (MenuItem* item : groups_.At(i)->items)
            if (item->text == text) return item;
    return nullptr;
}

}  // namespace emulator
