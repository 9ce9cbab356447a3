// Menus from a scenario: groups set up as other programs would make them, and the user's
// choice of an item, sent to the real plug-in library.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/ai_application.h"
#include "tests/support/scenario_run.h"

namespace {

// Adds an item for the plug-in through the menu suite, as it would; DISABLE greys it.
HostMenuItemHandle AddPluginItem(emulator::Host& host, const char* group, const char* text,
                                 bool disable = false) {
    const void* table = nullptr;
    EXPECT_EQ(host.BasicSuite()->AcquireSuite(kAIMenuSuite, kAIMenuSuiteVersion, &table),
              kHostNoError);
    auto suite = static_cast<const AIMenuSuite9*>(table);
    HostMenuItemHandle item = nullptr;
    EXPECT_EQ(suite->AddMenuItem(host.Plugin().Ref(), nullptr, group, text, 0, &item),
              kHostNoError);
    if (disable) {
        EXPECT_EQ(suite->EnableItem(item, 0), kHostNoError);
    }
    host.BasicSuite()->ReleaseSuite(kAIMenuSuite, kAIMenuSuiteVersion);
    return item;
}

// The menu items of every "AI Menu" message, in order.
void ListenForMenuItems(emulator::Host& host, std::vector<HostMenuItemHandle>& sent) {
    host.TraceLog().AddMessageListener([&sent](const emulator::MessageRecord& message) {
        if (std::string(message.caller) != kCallerAIMenu) return;
        sent.push_back(reinterpret_cast<const AIMenuMessage*>(message.record)->menuItem);
    });
}

TEST(MenuChoice, SendsGoWithTheFirstItemReadingTheText) {
    std::vector<HostMenuItemHandle> added, sent;
    std::vector<std::string> notices;
    emulator::Json state = PlayScenario(
        "start\nmenu \"Afficher KVT.Ortaq\"\n",
        [&](emulator::Host& host) {
            // The same text twice: the group made first wins, not the item added first.
            added.push_back(AddPluginItem(host, "Tool Palettes", "Afficher KVT.Ortaq"));
            added.push_back(AddPluginItem(host, "About", "Afficher KVT.Ortaq"));
            ListenForMenuItems(host, sent);
        },
        &notices);
    auto calls = CallsTo(state, kCallerAIMenu, kSelectorAIGoMenuItem);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls.at(0).at("result").get<int64_t>(), 0);
    EXPECT_EQ(calls.at(0).at("depth").get<int64_t>(), 0);
    EXPECT_EQ(sent, std::vector<HostMenuItemHandle>{added[1]});
    EXPECT_TRUE(notices.empty());
    EXPECT_TRUE(state.at("errors").empty());
}

TEST(MenuChoice, ADisabledItemSendsNothingAndSaysSo) {
    std::vector<std::string> notices;
    emulator::Json state = PlayScenario(
        "start\nmenu \"Masquer KVT.Ortaq\"\nsnapshot after\n",
        [](emulator::Host& host) { AddPluginItem(host, "About", "Masquer KVT.Ortaq", true); },
        &notices);
    EXPECT_TRUE(CallsTo(state, kCallerAIMenu, kSelectorAIGoMenuItem).empty());
    EXPECT_EQ(notices, std::vector<std::string>{
                           "scenario:2: the menu item \"Masquer KVT.Ortaq\" is disabled; "
                           "nothing happens"});
    // The run went on past the notice.
    EXPECT_TRUE(state.at("snapshots").at("after").is_object());
    EXPECT_FALSE(state.at("menus").at("groups").at(0).at("items").at(0).at("enabled").get<bool>());
}

TEST(MenuSetUp, GroupsOfOtherProgramsShowInTheStateAndTheirItemsSendNothing) {
    std::vector<std::string> notices;
    emulator::Json state = PlayScenario(
        // Without the menu suite the plug-in adds no item of its own.
        "without-suite \"AI Menu Suite\" 9\n"
        "menu-group \"KVTAutre\"\n"
        "menu-group \"KVTOutils\" under \"Tool Palettes\" \"KVT.Outils\"\n"
        "start\n"
        "menu \"KVT.Outils\"\n",
        {}, &notices);
    EXPECT_EQ(state.at("menus").dump(),
              "{\"groups\":[{\"name\":\"About\",\"items\":[]},"
              "{\"name\":\"Tool Palettes\",\"items\":[{\"name\":\"\",\"text\":\"KVT.Outils\","
              "\"enabled\":true,\"checked\":false,\"submenu\":\"KVTOutils\"}]},"
              "{\"name\":\"KVTAutre\",\"items\":[]},{\"name\":\"KVTOutils\",\"items\":[]}]}");
    EXPECT_TRUE(CallsTo(state, kCallerAIMenu, kSelectorAIGoMenuItem).empty());
    EXPECT_EQ(notices, std::vector<std::string>{"scenario:5: the menu item \"KVT.Outils\" opens "
                                                "its submenu; nothing happens"});
}

}  // namespace
