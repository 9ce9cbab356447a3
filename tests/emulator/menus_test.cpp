#include "emulator/models/menus.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> GroupNames(const emulator::Menus& menus) {
    std::vector<std::string> names;
    for (size_t i = 0; i < menus.GroupCount(); ++i) names.push_back(menus.GroupAt(i)->name);
    return names;
}

emulator::MenuItem Reading(const std::string& text) {
    emulator::MenuItem item;
    item.text = text;
    return item;
}

TEST(Menus, StartWithTheHostsOwnEmptyGroups) {
    emulator::Menus menus;
    EXPECT_EQ(GroupNames(menus), (std::vector<std::string>{"About", "Tool Palettes"}));
    EXPECT_TRUE(menus.GroupAt(0)->items.empty());
    EXPECT_TRUE(menus.GroupAt(1)->items.empty());
    EXPECT_EQ(menus.GroupAt(2), nullptr);
}

TEST(Menus, AddItemsAtTheEndOfTheirGroupAndSubmenusAsNewGroups) {
    emulator::Menus menus;
    emulator::MenuGroup& palettes = *menus.GroupNamed("Tool Palettes");
    emulator::MenuItem& first = menus.AddItem(palettes, Reading("Un"));
    emulator::MenuItem& second = menus.AddItem(palettes, Reading("Deux"));
    EXPECT_EQ(palettes.items, (std::vector<emulator::MenuItem*>{&first, &second}));

    emulator::MenuGroup* submenu = menus.AddGroup("KVTOutils", &second);
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(second.submenu, submenu);
    EXPECT_EQ(first.submenu, nullptr);
    EXPECT_EQ(menus.GroupNamed("KVTOutils"), submenu);
    EXPECT_EQ(GroupNames(menus), (std::vector<std::string>{"About", "Tool Palettes", "KVTOutils"}));

    // One group per name, one submenu per item.
    EXPECT_EQ(menus.AddGroup("About", &first), nullptr);
    EXPECT_EQ(menus.AddGroup("Autre", &second), nullptr);
    EXPECT_EQ(first.submenu, nullptr);
    EXPECT_EQ(menus.GroupCount(), 3u);
}

TEST(Menus, HandOutHandlesThatFindTheirObjectsOnly) {
    emulator::Menus menus;
    emulator::MenuGroup& about = *menus.GroupAt(0);
    emulator::MenuItem& item = menus.AddItem(about, Reading("Un"));
    EXPECT_EQ(menus.Find(menus.HandleOf(about)), &about);
    EXPECT_EQ(menus.Find(menus.HandleOf(item)), &item);
    // A group's address is no item, nor the reverse.
    EXPECT_EQ(menus.Find(reinterpret_cast<HostMenuItemHandle>(&about)), nullptr);
    EXPECT_EQ(menus.Find(reinterpret_cast<HostMenuGroupHandle>(&item)), nullptr);
    EXPECT_EQ(menus.Find(HostMenuItemHandle{}), nullptr);
}

TEST(Menus, FindTheFirstItemReadingATextGroupsFirstThenItems) {
    emulator::Menus menus;
    emulator::MenuGroup& about = *menus.GroupNamed("About");
    emulator::MenuGroup& palettes = *menus.GroupNamed("Tool Palettes");
    menus.AddItem(palettes, Reading("Même"));  // made first, but in the later group
    emulator::MenuItem& other = menus.AddItem(about, Reading("Autre"));
    emulator::MenuItem& same = menus.AddItem(about, Reading("Même"));
    EXPECT_EQ(menus.FirstItemReading("Même"), &same);
    EXPECT_EQ(menus.FirstItemReading("Autre"), &other);
    EXPECT_EQ(menus.FirstItemReading("autre"), nullptr);
}

}  // namespace
