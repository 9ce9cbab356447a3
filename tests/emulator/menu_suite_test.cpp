// The menu suite as the plug-in calls it, acquired through the basic suite on its behalf.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "emulator/core/host.h"
#include "emulator/output/state.h"
#include "host/ai_application.h"

namespace {

// "À propos des KVT•Outils…" in Windows-1252: "•" is 0x95 and "…" 0x85.
constexpr const char kAboutText[] = "\xC0 propos des KVT\x95Outils\x85";
constexpr const char kAboutTextUtf8[] = "À propos des KVT•Outils…";

class MenuSuite : public ::testing::Test {
  protected:
    void SetUp() override {
        const void* table = nullptr;
        ASSERT_EQ(host.BasicSuite()->AcquireSuite(kAIMenuSuite, kAIMenuSuiteVersion, &table),
                  kHostNoError);
        suite = static_cast<const AIMenuSuite9*>(table);
    }
    void TearDown() override { host.BasicSuite()->ReleaseSuite(kAIMenuSuite, kAIMenuSuiteVersion); }

    HostMenuItemHandle AddItem(const char* group, const char* text, const char* name = nullptr) {
        HostMenuItemHandle item = nullptr;
        EXPECT_EQ(suite->AddMenuItem(host.Plugin().Ref(), name, group, text, 0, &item),
                  kHostNoError);
        return item;
    }

    // The groups as the JSON state shows them.
    emulator::Json Groups() const { return emulator::HostState(host).at("menus").at("groups"); }

    // Menus need no plug-in code: the host serves them on the plug-in's behalf.
    emulator::Host host{"no-plugin.so"};
    const AIMenuSuite9* suite = nullptr;
};

TEST_F(MenuSuite, AddsItemsAtTheEndOfAKnownGroupOnly) {
    HostMenuItemHandle first = AddItem("About", kAboutText);
    HostMenuItemHandle second = AddItem("About", "KVT.Outils", "KVTOutils");
    EXPECT_NE(first, second);
    HostMenuItemHandle lost = nullptr;
    EXPECT_EQ(suite->AddMenuItem(host.Plugin().Ref(), "", "Nowhere", "Texte", 0, &lost),
              kHostErrNotFound);
    EXPECT_EQ(lost, nullptr);

    EXPECT_EQ(Groups().dump(),
              std::string("[{\"name\":\"About\",\"items\":[{\"name\":\"\",\"text\":\"") +
                  kAboutTextUtf8 + "\",\"enabled\":true,\"checked\":false,\"submenu\":null}," +
                  "{\"name\":\"KVTOutils\",\"text\":\"KVT.Outils\",\"enabled\":true," +
                  "\"checked\":false,\"submenu\":null}]}," +
                  "{\"name\":\"Tool Palettes\",\"items\":[]}]");
    EXPECT_TRUE(host.Errors().empty());
}

TEST_F(MenuSuite, MakesSubmenusThatTheGroupListShows) {
    HostMenuItemHandle parent = AddItem("About", kAboutText);
    HostMenuGroupHandle made = nullptr;
    ASSERT_EQ(suite->AddMenuGroupAsSubMenu("SDKAboutPluginsGroupName", 1, parent, &made),
              kHostNoError);
    AddItem("SDKAboutPluginsGroupName", "KVT.Ortaq\x85");

    int32_t count = 0;
    ASSERT_EQ(suite->CountMenuGroups(&count), kHostNoError);
    EXPECT_EQ(count, 3);
    HostMenuGroupHandle third = nullptr;
    ASSERT_EQ(suite->GetNthMenuGroup(2, &third), kHostNoError);
    EXPECT_EQ(third, made);
    char name[32];
    ASSERT_EQ(suite->GetMenuGroupName(third, name, sizeof name), kHostNoError);
    EXPECT_STREQ(name, "SDKAboutPluginsGroupName");
    HostMenuGroupHandle none = nullptr;
    EXPECT_EQ(suite->GetNthMenuGroup(3, &none), kHostErrBadParameter);
    EXPECT_EQ(suite->GetNthMenuGroup(-1, &none), kHostErrBadParameter);

    // One group per name, one submenu per item.
    EXPECT_EQ(
        suite->AddMenuGroupAsSubMenu("SDKAboutPluginsGroupName", 1, AddItem("About", "B"), &none),
        kHostErrBadParameter);
    EXPECT_EQ(suite->AddMenuGroupAsSubMenu("Autre", 1, parent, &none), kHostErrBadParameter);
    EXPECT_EQ(none, nullptr);

    emulator::Json groups = Groups();
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups.at(0).at("items").at(0).at("submenu").get<std::string>(),
              "SDKAboutPluginsGroupName");
    EXPECT_TRUE(groups.at(0).at("items").at(1).at("submenu").is_null());
    EXPECT_EQ(groups.at(2).at("name").get<std::string>(), "SDKAboutPluginsGroupName");
    EXPECT_EQ(groups.at(2).at("items").at(0).at("text").get<std::string>(), "KVT.Ortaq…");
    EXPECT_TRUE(host.Errors().empty());
}

TEST_F(MenuSuite, ChangesTheTextAndMarksOfItsOwnItems) {
    HostMenuItemHandle item = AddItem("Tool Palettes", "Afficher KVT.Ortaq", "Outil9");
    ASSERT_EQ(suite->SetItemText(item, kAboutText), kHostNoError);
    ASSERT_EQ(suite->EnableItem(item, 0), kHostNoError);
    ASSERT_EQ(suite->CheckItem(item, 2), kHostNoError);
    char text[64];
    ASSERT_EQ(suite->GetItemText(item, text, sizeof text), kHostNoError);
    EXPECT_STREQ(text, kAboutText);
    EXPECT_EQ(Groups().at(1).at("items").at(0).dump(),
              std::string("{\"name\":\"Outil9\",\"text\":\"") + kAboutTextUtf8 +
                  "\",\"enabled\":false,\"checked\":true,\"submenu\":null}");

    ASSERT_EQ(suite->EnableItem(item, 1), kHostNoError);
    ASSERT_EQ(suite->CheckItem(item, 0), kHostNoError);
    EXPECT_TRUE(Groups().at(1).at("items").at(0).at("enabled").get<bool>());
    EXPECT_FALSE(Groups().at(1).at("items").at(0).at("checked").get<bool>());
}

// A text copied out is cut to the buffer's size, zero-terminated, in Windows-1252 bytes,
// and nothing past the buffer is written.
struct CutCase {
    uint32_t size;
    const char* expected;
};

class CopiedTexts : public MenuSuite, public ::testing::WithParamInterface<CutCase> {};

TEST_P(CopiedTexts, AreCutToTheBuffer) {
    HostMenuItemHandle item = AddItem("About", kAboutText);
    char buffer[64];
    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_EQ(suite->GetItemText(item, buffer, GetParam().size), kHostNoError);
    EXPECT_STREQ(buffer, GetParam().expected);
    EXPECT_EQ(std::string(buffer + GetParam().size, buffer + sizeof buffer),
              std::string(sizeof buffer - GetParam().size, 'x'));
}

INSTANTIATE_TEST_SUITE_P(MenuSuite, CopiedTexts,
                         ::testing::Values(CutCase{1, ""}, CutCase{2, "\xC0"},
                                           CutCase{18, "\xC0 propos des KVT\x95"},
                                           CutCase{24, "\xC0 propos des KVT\x95Outils"},
                                           CutCase{25, kAboutText}, CutCase{64, kAboutText}));

// Missing outputs and texts are refused without touching anything; they are no misuse of
// a handle.
using NullCall = HostErr (*)(const AIMenuSuite9&, HostPluginRef, HostMenuItemHandle,
                             HostMenuGroupHandle);

class NullArguments : public MenuSuite, public ::testing::WithParamInterface<NullCall> {};

TEST_P(NullArguments, AreRefused) {
    HostMenuItemHandle item = AddItem("About", "Texte");
    HostMenuGroupHandle group = nullptr;
    ASSERT_EQ(suite->GetNthMenuGroup(0, &group), kHostNoError);
    std::string before = Groups().dump();
    EXPECT_EQ(GetParam()(*suite, host.Plugin().Ref(), item, group), kHostErrBadParameter);
    EXPECT_EQ(Groups().dump(), before);
    EXPECT_TRUE(host.Errors().empty());
}

INSTANTIATE_TEST_SUITE_P(
    MenuSuite, NullArguments,
    ::testing::Values(
        [](const AIMenuSuite9& s, HostPluginRef p, HostMenuItemHandle, HostMenuGroupHandle) {
            HostMenuItemHandle made = nullptr;
            return s.AddMenuItem(p, "n", nullptr, "Texte", 0, &made);
        },
        [](const AIMenuSuite9& s, HostPluginRef p, HostMenuItemHandle, HostMenuGroupHandle) {
            HostMenuItemHandle made = nullptr;
            return s.AddMenuItem(p, "n", "About", nullptr, 0, &made);
        },
        [](const AIMenuSuite9& s, HostPluginRef p, HostMenuItemHandle, HostMenuGroupHandle) {
            return s.AddMenuItem(p, "n", "About", "Texte", 0, nullptr);
        },
        [](const AIMenuSuite9& s, HostPluginRef, HostMenuItemHandle item, HostMenuGroupHandle) {
            HostMenuGroupHandle made = nullptr;
            return s.AddMenuGroupAsSubMenu(nullptr, 1, item, &made);
        },
        [](const AIMenuSuite9& s, HostPluginRef, HostMenuItemHandle item, HostMenuGroupHandle) {
            return s.AddMenuGroupAsSubMenu("Nouveau", 1, item, nullptr);
        },
        [](const AIMenuSuite9& s, HostPluginRef, HostMenuItemHandle, HostMenuGroupHandle) {
            return s.CountMenuGroups(nullptr);
        },
        [](const AIMenuSuite9& s, HostPluginRef, HostMenuItemHandle, HostMenuGroupHandle) {
            return s.GetNthMenuGroup(0, nullptr);
        },
        [](const AIMenuSuite9& s, HostPluginRef, HostMenuItemHandle, HostMenuGroupHandle g) {
            return s.GetMenuGroupName(g, nullptr, 8);
        },
        [](const AIMenuSuite9& s, HostPluginRef, HostMenuItemHandle, HostMenuGroupHandle g) {
            char buffer[8];
            return s.GetMenuGroupName(g, buffer, 0);
        },
        [](const AIMenuSuite9& s, HostPluginRef, HostMenuItemHandle item, HostMenuGroupHandle) {
            return s.SetItemText(item, nullptr);
        },
        [](const AIMenuSuite9& s, HostPluginRef, HostMenuItemHandle item, HostMenuGroupHandle) {
            return s.GetItemText(item, nullptr, 8);
        }));

// Handles that are not the plug-in's own items: each is refused, recorded once as misuse
// naming the function, and changes nothing.
struct ItemFunction {
    const char* name;
    HostErr (*call)(const AIMenuSuite9&, HostMenuItemHandle);
};

const ItemFunction kItemFunctions[] = {
    {"AddMenuGroupAsSubMenu",
     [](const AIMenuSuite9& s, HostMenuItemHandle item) {
         HostMenuGroupHandle made = nullptr;
         return s.AddMenuGroupAsSubMenu("Nouveau", 1, item, &made);
     }},
    {"SetItemText",
     [](const AIMenuSuite9& s, HostMenuItemHandle item) { return s.SetItemText(item, "Texte"); }},
    {"GetItemText",
     [](const AIMenuSuite9& s, HostMenuItemHandle item) {
         char buffer[8];
         return s.GetItemText(item, buffer, sizeof buffer);
     }},
    {"EnableItem",
     [](const AIMenuSuite9& s, HostMenuItemHandle item) { return s.EnableItem(item, 0); }},
    {"CheckItem",
     [](const AIMenuSuite9& s, HostMenuItemHandle item) { return s.CheckItem(item, 1); }},
};

enum class Stranger {
    GroupHandle,  // a group's handle where an item is expected
    HostsItem,    // an item no plug-in of ours owns
};

class ItemsNotThePluginsOwn
    : public MenuSuite,
      public ::testing::WithParamInterface<std::tuple<ItemFunction, Stranger>> {};

TEST_P(ItemsNotThePluginsOwn, AreRefusedAndRecorded) {
    const auto& [function, stranger] = GetParam();
    emulator::Menus& menus = host.MenuBar();
    HostMenuItemHandle item =
        stranger == Stranger::GroupHandle
            ? reinterpret_cast<HostMenuItemHandle>(menus.HandleOf(*menus.GroupAt(0)))
            : menus.HandleOf(menus.AddItem(*menus.GroupAt(0), emulator::MenuItem{"", "Hôte"}));
    std::string before = Groups().dump();
    EXPECT_EQ(function.call(*suite, item), kHostErrBadHandle);
    EXPECT_EQ(Groups().dump(), before);
    ASSERT_EQ(host.Errors().size(), 1u);
    EXPECT_TRUE(host.Errors().at(0).starts_with(function.name)) << host.Errors().at(0);
}

INSTANTIATE_TEST_SUITE_P(MenuSuite, ItemsNotThePluginsOwn,
                         ::testing::Combine(::testing::ValuesIn(kItemFunctions),
                                            ::testing::Values(Stranger::GroupHandle,
                                                              Stranger::HostsItem)));

TEST_F(MenuSuite, AForeignPluginOrAnUnknownGroupIsRefusedAndRecorded) {
    HostMenuItemHandle item = nullptr;
    EXPECT_EQ(suite->AddMenuItem(reinterpret_cast<HostPluginRef>(&host), nullptr, "About", "Texte",
                                 0, &item),
              kHostErrBadHandle);
    EXPECT_EQ(item, nullptr);
    char name[8];
    auto itemAsGroup = reinterpret_cast<HostMenuGroupHandle>(AddItem("About", "Texte"));
    EXPECT_EQ(suite->GetMenuGroupName(itemAsGroup, name, sizeof name), kHostErrBadHandle);
    EXPECT_EQ(host.Errors().size(), 2u);
    EXPECT_EQ(Groups().at(0).at("items").size(), 1u);
}

}  // namespace
