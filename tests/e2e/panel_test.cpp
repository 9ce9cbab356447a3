// The panel the plug-in builds once the host has started, seen through the host.
#include <gtest/gtest.h>

#include <optional>

#include "host/ai_application.h"
#include "tests/support/scenario_run.h"

namespace {

emulator::Json Panel(const emulator::Json& state) {
    for (const emulator::Json& dialog : state.at("dialogs"))
        if (dialog.at("name").get<std::string>() == "KVTOrtaq") return dialog;
    throw std::runtime_error("no panel");
}

std::optional<emulator::Json> ItemOf(const emulator::Json& panel, int id) {
    for (const emulator::Json& item : panel.at("items"))
        if (item.at("id").get<int64_t>() == id) return item;
    return std::nullopt;
}

emulator::Json Item(const emulator::Json& panel, int id) {
    auto item = ItemOf(panel, id);
    if (!item) throw std::runtime_error("no item " + std::to_string(id));
    return *item;
}

class PanelAfterStart : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        state_ = new emulator::Json(PlayScenario("start\nsnapshot s\n"));
    }
    static void TearDownTestSuite() { delete state_; }
    static emulator::Json Started() { return Panel(state_->at("snapshots").at("s")); }
    static emulator::Json* state_;
};
emulator::Json* PanelAfterStart::state_ = nullptr;

TEST_F(PanelAfterStart, IsTheDockedFloatingDialog) {
    emulator::Json panel = Started();
    EXPECT_EQ(panel.at("kind").get<std::string>(), "floating");
    EXPECT_EQ(panel.at("resource").get<int64_t>(), 16400);
    EXPECT_EQ(panel.at("style").get<int64_t>(), 3);
    EXPECT_EQ(panel.at("title").get<std::string>(), "Ortaquine 3.0");
    EXPECT_TRUE(panel.at("visible").get<bool>());  // a first launch stores the panel as shown
    const emulator::Json& rect = panel.at("rect");
    EXPECT_EQ(rect.at(2).get<int64_t>() - rect.at(0).get<int64_t>(), 206);
    EXPECT_EQ(rect.at(3).get<int64_t>() - rect.at(1).get<int64_t>(), 226);
    EXPECT_EQ(panel.at("dock_group").get<std::string>(), "SDK Dialogs");
    EXPECT_EQ(panel.at("dock_code").get<int64_t>(), 7168);
    EXPECT_EQ(panel.at("icons").dump(), "[409,410]");
}

struct ItemCase {
    int id;
    const char* type;
    int rect[4];
    const char* tip;
};

class PanelItems : public PanelAfterStart, public ::testing::WithParamInterface<ItemCase> {};

TEST_P(PanelItems, HaveTheirTypeRectangleAndTip) {
    const ItemCase& c = GetParam();
    emulator::Json item = Item(Started(), c.id);
    EXPECT_EQ(item.at("type").get<std::string>(), c.type);
    EXPECT_EQ(item.at("rect").dump(),
              "[" + std::to_string(c.rect[0]) + "," + std::to_string(c.rect[1]) + "," +
                  std::to_string(c.rect[2]) + "," + std::to_string(c.rect[3]) + "]");
    EXPECT_EQ(item.at("tip").get<std::string>(), c.tip);
}

constexpr const char* kPictureStatic = "ADM Picture Static Type";
constexpr const char* kPictureButton = "ADM Picture Push Button Type";
constexpr const char* kRadio = "ADM Picture Radio Button Type";
constexpr const char* kSpin = "ADM Spin Edit Type";
constexpr const char* kPopup = "ADM Popup List Type";
constexpr const char* kText = "ADM Text Static Type";

INSTANTIATE_TEST_SUITE_P(
    Panel, PanelItems,
    ::testing::Values(
        ItemCase{
            29, kPictureStatic, {0, 0, 206, 226}, "Cliquez sur le panneau pour activer l'outil."},
        ItemCase{1, kPictureButton, {182, 4, 202, 24}, "Contact : ortaq@kvt-outils.example"},
        ItemCase{2, kPictureStatic, {170, 12, 182, 24}, "http://www.kvt-outils.example/ortaq"},
        ItemCase{28, kPopup, {20, 28, 100, 45}, "Liste des unités."},
        ItemCase{3, kSpin, {0, 154, 60, 173}, "Longueur du côté 1."},
        ItemCase{4, kRadio, {61, 154, 81, 173}, "Longueur du côté 1."},
        ItemCase{5, kSpin, {72, 86, 132, 105}, "Longueur du côté 2."},
        ItemCase{6, kRadio, {51, 86, 71, 105}, "Longueur du côté 2."},
        ItemCase{7, kSpin, {142, 154, 202, 173}, "Longueur du côté 3."},
        ItemCase{8, kRadio, {121, 154, 141, 173}, "Longueur du côté 3."},
        ItemCase{9, kSpin, {72, 208, 132, 227}, "Longueur du côté 4."},
        ItemCase{10, kRadio, {51, 208, 71, 227}, "Longueur du côté 4."},
        ItemCase{11, kSpin, {110, 121, 170, 140}, "Longueur de la diagonale 1."},
        ItemCase{12, kRadio, {90, 121, 110, 140}, "Longueur de la diagonale 1."},
        ItemCase{26, kPictureButton, {110, 121, 170, 140}, "Cliquer pour activer la zone."},
        ItemCase{13, kSpin, {35, 121, 95, 140}, "Longueur de la diagonale 2."},
        ItemCase{14, kRadio, {15, 121, 35, 140}, "Longueur de la diagonale 2."},
        ItemCase{27, kPictureButton, {35, 121, 95, 140}, "Cliquer pour activer la zone."},
        ItemCase{15, "ADM Slider Type", {25, 77, 170, 84}, "Angle de rotation du quadrilatère."},
        ItemCase{16,
                 kPictureButton,
                 {0, 69, 30, 77},
                 "Augmenter l'angle (shift pour augmenter de 10° en 10°)."},
        ItemCase{17,
                 kPictureButton,
                 {0, 77, 30, 85},
                 "Diminuer l'angle (shift pour Diminuer de 10° en 10°)."},
        ItemCase{18, kText, {4, 49, 206, 69}, ""},
        ItemCase{21, kText, {110, 31, 130, 42}, "Échelle du dessin"},
        ItemCase{20, kPopup, {134, 28, 202, 45}, "Échelle du dessin"},
        ItemCase{19, kPictureStatic, {173, 5, 179, 11}, ""},
        ItemCase{22, kSpin, {20, 5, 80, 24}, "Position horizontale du quadrilatère."},
        ItemCase{23, kRadio, {0, 5, 20, 24}, "Position horizontale du quadrilatère."},
        ItemCase{24, kSpin, {110, 5, 170, 24}, "Position verticale du quadrilatère."},
        ItemCase{25, kRadio, {90, 5, 110, 24}, "Position verticale du quadrilatère."},
        ItemCase{80, "ADM Text Static Multi Line Type", {206, 2, 408, 212}, "Texte de l'aide."},
        ItemCase{81, kPictureButton, {375, 214, 388, 225}, "Page suivante de l'aide."},
        ItemCase{82, kPictureButton, {214, 214, 227, 225}, "Première page de l'aide."},
        ItemCase{136, kText, {278, 214, 298, 228}, "Numéro de page de l'aide."},
        ItemCase{137, kText, {298, 214, 308, 228}, ""},
        ItemCase{138, kText, {308, 214, 328, 228}, ""}));

TEST_F(PanelAfterStart, ItemsComeInTheirCreationOrder) {
    std::vector<int64_t> ids;
    emulator::Json panel = Started();
    for (const emulator::Json& item : panel.at("items"))
        ids.push_back(item.at("id").get<int64_t>());
    EXPECT_EQ(ids, (std::vector<int64_t>{-5, 29, 1,  2,  28, 3,  4,  5,  6,  7,   8,   9,
                                         10, 11, 12, 26, 13, 14, 27, 15, 16, 17,  18,  21,
                                         20, 19, 22, 23, 24, 25, 80, 81, 82, 136, 137, 138}));
}

TEST_F(PanelAfterStart, LengthFieldsStartAtZeroInMillimetres) {
    for (int id : {3, 5, 7, 9, 11, 13}) {
        emulator::Json field = Item(Started(), id);
        EXPECT_EQ(field.at("text").get<std::string>(), "0,00") << id;
        EXPECT_EQ(field.at("unit").get<std::string>(), "mm") << id;
        EXPECT_EQ(field.at("precision").get<int64_t>(), 2) << id;
        EXPECT_EQ(field.at("min").get<double>(), 0) << id;
        EXPECT_FLOAT_EQ(static_cast<float>(field.at("small_step").get<double>()), 2.8346457f) << id;
        EXPECT_FLOAT_EQ(static_cast<float>(field.at("large_step").get<double>()), 28.346457f) << id;
    }
    emulator::Json position = Item(Started(), 22);
    EXPECT_EQ(position.at("unit").get<std::string>(), "pt");
    EXPECT_EQ(position.at("precision").get<int64_t>(), 0);
    emulator::Json slider = Item(Started(), 15);
    EXPECT_EQ(slider.at("min").get<double>(), -180);
    EXPECT_EQ(slider.at("max").get<double>(), 180);
    EXPECT_EQ(slider.at("value").get<double>(), 0);
}

TEST_F(PanelAfterStart, TheUnitsPopupIsOnMillimetres) {
    emulator::Json units = Item(Started(), 28);
    EXPECT_EQ(units.at("text").get<std::string>(), "mm");
    std::vector<std::string> texts;
    for (const emulator::Json& entry : units.at("entries"))
        texts.push_back(entry.at("text").get<std::string>());
    EXPECT_EQ(texts, (std::vector<std::string>{"mm", "cm", "po (décimal)", "Point"}));
}

TEST_F(PanelAfterStart, TheScalePopupListsTheRatiosWithOneSelected) {
    emulator::Json scale = Item(Started(), 20);
    std::string listed;
    for (const emulator::Json& entry : scale.at("entries")) {
        listed += std::to_string(entry.at("id").get<int64_t>()) + "=" +
                  (entry.at("separator").get<bool>() ? "-" : entry.at("text").get<std::string>());
        if (entry.at("checked").get<bool>()) listed += "[checked]";
        if (entry.at("selected").get<bool>()) listed += "[selected]";
        listed += " ";
    }
    EXPECT_EQ(
        listed,
        "0=1/100 1=1/50 2=1/25 3=1/10 4=1/5 5=1/4 6=1/3 7=1/2 8=- 9=1[checked][selected] 10=- "
        "11=2/1 12=3/1 13=4/1 14=5/1 15=10/1 16=25/1 17=50/1 18=100/1 19=- 20=Éch. Perso… "
        "21=3/7 ");
    EXPECT_EQ(scale.at("text").get<std::string>(), "1");
    EXPECT_FALSE(Item(Started(), 19).at("shown").get<bool>());
}

TEST_F(PanelAfterStart, WhileTheToolIsNotSelectedEveryFieldIsDisabledAndBothDiagonalsShown) {
    emulator::Json panel = Started();
    for (int id : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                   14, 15, 16, 17, 18, 20, 21, 22, 24, 26, 27, 28})
        EXPECT_FALSE(Item(panel, id).at("enabled").get<bool>()) << id;
    for (int id : {11, 12, 13, 14}) EXPECT_TRUE(Item(panel, id).at("shown").get<bool>()) << id;
    // The click area covers the whole panel and takes the user's click.
    EXPECT_TRUE(Item(panel, 29).at("enabled").get<bool>());
    EXPECT_EQ(Item(panel, 29).at("rect").dump(), "[0,0,206,226]");
}

TEST_F(PanelAfterStart, TheFlyoutMenuComesFromMenuResource128) {
    emulator::Json menu = Item(Started(), -5);
    std::vector<std::string> texts;
    for (const emulator::Json& entry : menu.at("entries"))
        texts.push_back(entry.at("separator").get<bool>() ? "-"
                                                          : entry.at("text").get<std::string>());
    EXPECT_EQ(texts, (std::vector<std::string>{"Quelconque", "Carré", "Rectangle", "Losange",
                                               "Parallélogramme", "-", "Préférences...", "-",
                                               "Afficher l'aide"}));
    for (const emulator::Json& entry : menu.at("entries"))
        if (!entry.at("separator").get<bool>()) {
            EXPECT_FALSE(entry.at("enabled").get<bool>());
        }
}

TEST_F(PanelAfterStart, ItsDrawingShowsTheInclinationTheInactiveDiagonalAndTheFigure) {
    std::string drawing = Started().at("drawing").dump();
    EXPECT_NE(drawing.find("{\"op\":\"picture\",\"coords\":[4,70],\"picture\":411}"),
              std::string::npos)
        << drawing;
    EXPECT_NE(drawing.find("\"text\":\"0°\""), std::string::npos) << drawing;
    // Diagonal 1 is held: diagonal 2's place holds the box.
    EXPECT_NE(drawing.find("{\"op\":\"fill\",\"coords\":[35,121,95,140],\"color\":5}"),
              std::string::npos);
    EXPECT_NE(drawing.find("{\"op\":\"rect\",\"coords\":[36,122,94,139],\"color\":6}"),
              std::string::npos);
    EXPECT_NE(drawing.find("\"text\":\"0 mm\""), std::string::npos);
    EXPECT_NE(drawing.find("{\"op\":\"line\",\"coords\":[126,138,20,217],\"color\":0}"),
              std::string::npos);
}

struct StoredSetting {
    const char* prefs;
    bool visible;
    const char* group;
    int64_t code;
};

class StoredPanelSettings : public ::testing::TestWithParam<StoredSetting> {};

TEST_P(StoredPanelSettings, DecideVisibilityAndDocking) {
    emulator::Json state = PlayScenario(std::string(GetParam().prefs) + "start\nsnapshot s\n");
    emulator::Json panel = Panel(state.at("snapshots").at("s"));
    EXPECT_EQ(panel.at("visible").get<bool>(), GetParam().visible);
    EXPECT_EQ(panel.at("dock_group").get<std::string>(), GetParam().group);
    EXPECT_EQ(panel.at("dock_code").get<int64_t>(), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, StoredPanelSettings,
    ::testing::Values(
        StoredSetting{"pref KVTOrtaq kADM_DPVisibleStr bool false\n", false, "SDK Dialogs", 7168},
        StoredSetting{"pref KVTOrtaq kADM_DPVisibleStr bool true\n", true, "SDK Dialogs", 7168},
        StoredSetting{"pref Ortaq kADM_DPDockGroupStr string \"Mes panneaux\"\n"
                      "pref Ortaq kADM_DPDockCodeStr int 42\n",
                      true, "Mes panneaux", 42}));

TEST(PanelCreation, HappensOnceAndOnlyForTheApplicationStartedNotifier) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    std::string error;
    ASSERT_TRUE(host.LoadPlugin(error)) << error;
    host.Loop().Close();
    host.Start();
    ASSERT_EQ(host.Dialogs().Dialogs().size(), 1u);
    // A notification without a notifier, then the started notification once more.
    host.Call("AI Notifier", "AI Notify");
    for (HostNotifierHandle started : host.NotifierList().OfType(kAIApplicationStartedNotifier)) {
        AINotifierMessage again{};
        again.notifier = started;
        host.Plugin().Send(kCallerAINotify, kSelectorAINotify, again);
    }
    EXPECT_EQ(host.Dialogs().Dialogs().size(), 1u);
    host.Finish();
    EXPECT_TRUE(host.Errors().empty());
}

TEST(PanelActions, ADisabledItemDoesNothingAndSaysSo) {
    std::vector<std::string> notices;
    emulator::Json state =
        PlayScenario("start\npanel type 3 12\npanel click 4\nsnapshot s\n", {}, &notices);
    EXPECT_EQ(notices,
              (std::vector<std::string>{"scenario:2: item 3 is disabled; nothing happens",
                                        "scenario:3: item 4 is disabled; nothing happens"}));
    EXPECT_EQ(Item(Panel(state.at("snapshots").at("s")), 3).at("text").get<std::string>(), "0,00");
}

TEST(PanelActions, AFocusZoneGivesItsFieldTheFocusWithItsTextSelected) {
    // The position's zones keep their state when the panel is activated: they take clicks.
    emulator::Json state = PlayScenario("start\npanel click 23\nsnapshot s\n");
    emulator::Json panel = Panel(state.at("snapshots").at("s"));
    EXPECT_EQ(panel.at("focused").get<int64_t>(), 22);
    EXPECT_TRUE(Item(panel, 22).at("text_selected").get<bool>());
    EXPECT_FALSE(Item(panel, 24).at("text_selected").get<bool>());
}

TEST(PanelActions, TheWebLinkOpensTheMakersPage) {
    emulator::Json state = PlayScenario("start\npanel click 2\n", [](emulator::Host& host) {
        host.Loop().AddIdle([&host] {
            if (emulator::Dialog* panel = host.Dialogs().Panel())
                if (emulator::Item* link = panel->Find(2)) link->enabled = true;
        });
    });
    EXPECT_EQ(state.at("pages_opened").dump(), "[\"http://www.kvt-outils.example/ortaq\"]");
}

}  // namespace
