// The plug-in's menu items, the panel's show/hide item and the About box.
#include <gtest/gtest.h>

#include "tests/support/scenario_run.h"

namespace {

// "GROUP > text" for every item of every group, in order.
std::vector<std::string> MenuItems(const host::Json& state) {
    std::vector<std::string> items;
    for (const host::Json& group : state["menus"]["groups"].AsArray())
        for (const host::Json& item : group["items"].AsArray()) {
            std::string line = group["name"].AsString() + " > " + item["text"].AsString();
            if (!item["submenu"].IsNull()) line += " >> " + item["submenu"].AsString();
            items.push_back(line);
        }
    return items;
}

bool PanelVisible(const host::Json& state) {
    for (const host::Json& dialog : state["dialogs"].AsArray())
        if (dialog["name"].AsString() == "KVTOrtaq") return dialog["visible"].AsBool();
    throw std::runtime_error("no panel");
}

struct MenuSetUp {
    const char* name;
    const char* scenario;
    std::vector<std::string> items;
};

class MakersMenus : public ::testing::TestWithParam<MenuSetUp> {};

TEST_P(MakersMenus, ExistOnceWhoeverMadeThemFirst) {
    host::Json state = PlayScenario(std::string(GetParam().scenario) + "start\nsnapshot s\n");
    EXPECT_EQ(MenuItems(state["snapshots"]["s"]), GetParam().items) << GetParam().name;
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
    host::Json state = PlayScenario(
        "pref KVTOrtaq kADM_DPVisibleStr bool false\nstart\nsnapshot hidden\n"
        "menu \"Afficher KVT.Ortaq\"\nsnapshot shown\nmenu \"Masquer KVT.Ortaq\"\nsnapshot "
        "again\n");
    const host::Json& s = state["snapshots"];
    auto item = [](const host::Json& snapshot) { return MenuItems(snapshot).back(); };
    EXPECT_FALSE(PanelVisible(s["hidden"]));
    EXPECT_EQ(item(s["hidden"]), "KVTOutils > Afficher KVT.Ortaq");
    EXPECT_TRUE(PanelVisible(s["shown"]));
    EXPECT_EQ(item(s["shown"]), "KVTOutils > Masquer KVT.Ortaq");
    EXPECT_FALSE(PanelVisible(s["again"]));
    EXPECT_EQ(item(s["again"]), "KVTOutils > Afficher KVT.Ortaq");
}

struct AboutPath {
    const char* open;
    const char* name;
    int64_t resource;
};

class AboutBox : public ::testing::TestWithParam<AboutPath> {};

TEST_P(AboutBox, OpensWithItsItemsAndClosesFromItsButton) {
    host::Json state = PlayScenario(std::string("start\n") + GetParam().open +
                                    "\nsnapshot open\ndialog click 1\nsnapshot closed\n");
    host::Json box;
    for (const host::Json& dialog : state["snapshots"]["open"]["dialogs"].AsArray())
        if (dialog["kind"].AsString() == "modal") box = dialog;
    ASSERT_TRUE(box.IsObject());
    EXPECT_EQ(box["name"].AsString(), GetParam().name);
    EXPECT_EQ(box["resource"].AsInt(), GetParam().resource);
    EXPECT_EQ(box["title"].AsString(), "À propos de KVT.Ortaq");
    // 420 × 398, centred, a third of the way down the 1920 × 1080 screen.
    EXPECT_EQ(box["rect"].Dump(0), "[750,227,1170,625]\n");
    const host::Json& items = box["items"];
    ASSERT_EQ(items.Size(), 3u);
    EXPECT_EQ(items[0]["text"].AsString(), "KVT.Ortaq 3.0 (février 2013)");
    EXPECT_EQ(items[1]["text"].AsString(), "http://www.kvt-outils.example/ortaq");
    EXPECT_EQ(items[2]["type"].AsString(), "ADM Text Push Button Type");
    EXPECT_EQ(items[2]["text"].AsString(), "Contact : ortaq@kvt-outils.example");
    EXPECT_NE(
        box["drawing"].Dump(0).find("{\"op\":\"picture\",\"coords\":[41,50],\"picture\":162}"),
        std::string::npos);
    // The button closed it: only the panel is left.
    EXPECT_EQ(state["snapshots"]["closed"]["dialogs"].Size(), 1u);
    EXPECT_TRUE(state["errors"].AsArray().empty());
}

INSTANTIATE_TEST_SUITE_P(Menus, AboutBox,
                         ::testing::Values(AboutPath{"about", "About Dialog", 16800},
                                           AboutPath{"menu \"KVT.Ortaq…\"", "bidon", 20000}));

}  // namespace
