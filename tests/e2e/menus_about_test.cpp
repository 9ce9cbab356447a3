// The plug-in's menu items, the panel's show/hide item and the About box.
#include <gtest/gtest.h>

#include "tests/support/scenario_run.h"

namespace {

// "GROUP > text" for every item of every group, in order.
std::vector<std::string> MenuItems(const emulator::Json& state) {
    std::vector<std::string> items;
    for (const emulator::Json& group : state.at("menus").at("groups"))
        for (const emulator::Json& item : group.at("items")) {
            std::string line =
                group.at("name").get<std::string>() + " > " + item.at("text").get<std::string>();
            if (!item.at("submenu").is_null())
                line += " >> " + item.at("submenu").get<std::string>();
            items.push_back(line);
        }
    return items;
}

bool PanelVisible(const emulator::Json& state) {
    for (const emulator::Json& dialog : state.at("dialogs"))
        if (dialog.at("name").get<std::string>() == "KVTOrtaq")
            return dialog.at("visible").get<bool>();
    throw std::runtime_error("no panel");
}

struct MenuSetUp {
    const char* name;
    const char* scenario;
    std::vector<std::string> items;
};

class MakersMenus : public ::testing::TestWithParam<MenuSetUp> {};

TEST_P(MakersMenus, ExistOnceWhoeverMadeThemFirst) {
    emulator::Json state = PlayScenario(std::string(GetParam().scenario) + "start\nsnapshot s\n");
    EXPECT_EQ(MenuItems(state.at("snapshots").at("s")), GetParam().items) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Menus, MakersMenus,
    ::testing::Values(
        MenuSetUp{"alone",
                  "",
                  {"About > À propos des KVT•Outils… >> SDKAboutPluginsGroupName",
                   "Tool Palettes > KVT.Outils >> KVTOutils",
                   "SDKAboutPluginsGroupName > KVT.Ortaq…", "KVTOutils > Masquer KVT.Ortaq"}},
        MenuSetUp{
            "after another plug-in of the maker",
            "menu-group \"SDKAboutPluginsGroupName\" under \"About\" \"À propos des KVT•Outils…\"\n"
            "menu-group \"KVTOutils\" under \"Tool Palettes\" \"KVT.Outils\"\n",
            {"About > À propos des KVT•Outils… >> SDKAboutPluginsGroupName",
             "Tool Palettes > KVT.Outils >> KVTOutils", "SDKAboutPluginsGroupName > KVT.Ortaq…",
             "KVTOutils > Masquer KVT.Ortaq"}}));

TEST(ShowHideItem, ReadsWhatItWillDoAndTogglesThePanel) {
    emulator::Json state = PlayScenario(
        "pref KVTOrtaq kADM_DPVisibleStr bool false\nstart\nsnapshot hidden\n"
        "menu \"Afficher KVT.Ortaq\"\nsnapshot shown\nmenu \"Masquer KVT.Ortaq\"\nsnapshot "
        "again\n");
    const emulator::Json& s = state.at("snapshots");
    auto item = [](const emulator::Json& snapshot) { return MenuItems(snapshot).back(); };
    EXPECT_FALSE(PanelVisible(s.at("hidden")));
    EXPECT_EQ(item(s.at("hidden")), "KVTOutils > Afficher KVT.Ortaq");
    EXPECT_TRUE(PanelVisible(s.at("shown")));
    EXPECT_EQ(item(s.at("shown")), "KVTOutils > Masquer KVT.Ortaq");
    EXPECT_FALSE(PanelVisible(s.at("again")));
    EXPECT_EQ(item(s.at("again")), "KVTOutils > Afficher KVT.Ortaq");
}

struct AboutPath {
    const char* open;
    const char* name;
    int64_t resource;
};

class AboutBox : public ::testing::TestWithParam<AboutPath> {};

TEST_P(AboutBox, OpensWithItsItemsAndClosesFromItsButton) {
    emulator::Json state = PlayScenario(std::string("start\n") + GetParam().open +
                                        "\nsnapshot open\ndialog click 1\nsnapshot closed\n");
    emulator::Json box;
    for (const emulator::Json& dialog : state.at("snapshots").at("open").at("dialogs"))
        if (dialog.at("kind").get<std::string>() == "modal") box = dialog;
    ASSERT_TRUE(box.is_object());
    EXPECT_EQ(box.at("name").get<std::string>(), GetParam().name);
    EXPECT_EQ(box.at("resource").get<int64_t>(), GetParam().resource);
    EXPECT_EQ(box.at("title").get<std::string>(), "À propos de KVT.Ortaq");
    // 420 × 398, centred, a third of the way down the 1920 × 1080 screen.
    EXPECT_EQ(box.at("rect").dump(), "[750,227,1170,625]");
    const emulator::Json& items = box.at("items");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items.at(0).at("text").get<std::string>(), "KVT.Ortaq 3.0 (février 2013)");
    EXPECT_EQ(items.at(1).at("text").get<std::string>(), "http://www.kvt-outils.example/ortaq");
    EXPECT_EQ(items.at(2).at("type").get<std::string>(), "ADM Text Push Button Type");
    EXPECT_EQ(items.at(2).at("text").get<std::string>(), "Contact : ortaq@kvt-outils.example");
    EXPECT_NE(
        box.at("drawing").dump().find("{\"op\":\"picture\",\"coords\":[41,50],\"picture\":162}"),
        std::string::npos);
    // The button closed it: only the panel is left.
    EXPECT_EQ(state.at("snapshots").at("closed").at("dialogs").size(), 1u);
    EXPECT_TRUE(state.at("errors").empty());
}

INSTANTIATE_TEST_SUITE_P(Menus, AboutBox,
                         ::testing::Values(AboutPath{"about", "About Dialog", 16800},
                                           AboutPath{"menu \"KVT.Ortaq…\"", "bidon", 20000}));

}  // namespace
