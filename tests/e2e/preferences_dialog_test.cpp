// The preferences dialog driven from a scenario: how it opens, what its boxes and buttons
// store, the beep of the sound box, the note of the Pen box, box 88's tip and where the
// dialog stands when it opens again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/state_lookup.h"

namespace {

const std::string kOpen = "start\nselect-tool\npanel menu 6\n";

// The four switches as an earlier session left them.
std::string StoredSwitches(bool annotations, bool sound, bool layer, bool pen) {
    auto line = [](const char* key, bool on) {
        return std::string("pref KVTOrtaq ") + key + " bool " + (on ? "true" : "false") + "\n";
    };
    return line("MontreAnno", annotations) + line("Son", sound) + line("Calque", layer) +
           line("OutilsGroupe", pen);
}

// The modal dialog named NAME; throws when the state has none.
const emulator::Json& Dialog(const emulator::Json& state, const std::string& name) {
    for (const emulator::Json& dialog : state.at("dialogs"))
        if (dialog.at("name") == name && dialog.at("kind") == "modal") return dialog;
    throw std::runtime_error("no modal dialog " + name);
}

const emulator::Json& Item(const emulator::Json& dialog, int id) {
    for (const emulator::Json& item : dialog.at("items"))
        if (item.at("id") == id) return item;
    throw std::runtime_error("no item " + std::to_string(id));
}

bool On(const emulator::Json& state, int id) {
    return Item(Dialog(state, "bidon"), id).at("on").get<bool>();
}

size_t ModalDialogs(const emulator::Json& state) {
    size_t modals = 0;
    for (const emulator::Json& dialog : state.at("dialogs")) modals += dialog.at("kind") == "modal";
    return modals;
}

// The stored switches, in the order annotations, sound, separate layer, Pen grouping.
std::vector<bool> Switches(const emulator::Json& state) {
    const emulator::Json& prefs = state.at("prefs").at("KVTOrtaq");
    std::vector<bool> switches;
    for (const char* key : {"MontreAnno", "Son", "Calque", "OutilsGroupe"})
        switches.push_back(prefs.at(key).get<bool>());
    return switches;
}

// The texts the dialog's last drawing wrote, with where it wrote them.
std::vector<std::pair<std::string, emulator::Json>> Texts(const emulator::Json& dialog) {
    std::vector<std::pair<std::string, emulator::Json>> texts;
    for (const emulator::Json& op : dialog.at("drawing"))
        if (op.at("op") == "text") texts.emplace_back(op.at("text"), op.at("coords"));
    return texts;
}

struct OpeningCase {
    std::string name;
    std::string action;
    std::string dialog;
};

class PreferencesOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(PreferencesOpening, ShowsTheStoredSwitchesInTheDialogBuiltInCode) {
    const OpeningCase& c = GetParam();
    emulator::Json state = PlayScenario(StoredSwitches(false, true, true, false) +
                                        "start\nselect-tool\n" + c.action + "\nsnapshot open\n");
    const emulator::Json& dialog = Dialog(Snapshot(state, "open"), c.dialog);

    EXPECT_EQ(dialog.at("title"), "Préférences (KVT.Ortaq)");
    EXPECT_EQ(dialog.at("resource"), 16900);
    EXPECT_EQ(dialog.at("style"), 0);
    const emulator::Json& rect = dialog.at("rect");
    EXPECT_EQ(rect.at(2).get<int>() - rect.at(0).get<int>(), 294);
    EXPECT_EQ(rect.at(3).get<int>() - rect.at(1).get<int>(), 172);
    std::vector<int> ids;
    for (const emulator::Json& item : dialog.at("items")) ids.push_back(item.at("id"));
    EXPECT_EQ(ids, (std::vector<int>{97, 89, 88, 94, 2, 3, 1}));
    const std::pair<int, bool> boxes[] = {{97, false}, {89, true}, {88, true}, {94, false}};
    for (const auto& [id, on] : boxes) EXPECT_EQ(Item(dialog, id).at("on"), on) << id;
    EXPECT_EQ(Item(dialog, 88).at("tip"), "Les tracés seront sur un nouveau calque (KVT.Ortaq).");
    // Closed by the end of the run as Escape would: nothing stored.
    EXPECT_EQ(Switches(state), (std::vector<bool>{false, true, true, false}));
    EXPECT_TRUE(state.at("errors").empty());
}

INSTANTIATE_TEST_SUITE_P(Preferences, PreferencesOpening,
                         ::testing::Values(OpeningCase{"FromThePanelMenu", "panel menu 6", "bidon"},
                                           OpeningCase{"FromTheToolsOptions", "options",
                                                       "ModèleBidon"}),
                         CaseName<OpeningCase>);

TEST(PreferencesDialog, ThePanelMenuOpensNoSecondDialogOverTheFirst) {
    emulator::Json state = PlayScenario(kOpen + "panel menu 6\nsnapshot open\ndialog click 1\n");
    EXPECT_EQ(ModalDialogs(Snapshot(state, "open")), 1u);
    EXPECT_TRUE(state.at("errors").empty());
}

struct ButtonsCase {
    std::string name;
    std::vector<bool> stored;  // annotations, sound, separate layer, Pen grouping
    std::string actions;
    std::vector<bool> expected;
};

class PreferencesButtons : public ::testing::TestWithParam<ButtonsCase> {};

TEST_P(PreferencesButtons, OnlyOKStoresTheBoxes) {
    const ButtonsCase& c = GetParam();
    const std::vector<bool>& s = c.stored;
    emulator::Json state = PlayScenario(StoredSwitches(s[0], s[1], s[2], s[3]) + kOpen + c.actions +
                                        "snapshot after\n");
    EXPECT_EQ(Switches(state), c.expected);
    EXPECT_EQ(ModalDialogs(Snapshot(state, "after")), 0u) << "the dialog is closed";
    // A second opening shows what is stored.
    emulator::Json again = PlayScenario(StoredSwitches(s[0], s[1], s[2], s[3]) + kOpen + c.actions +
                                        "panel menu 6\nsnapshot again\n");
    const std::pair<int, size_t> boxes[] = {{97, 0}, {89, 1}, {88, 2}, {94, 3}};
    for (const auto& [id, index] : boxes)
        EXPECT_EQ(On(Snapshot(again, "again"), id), c.expected[index]) << id;
}

INSTANTIATE_TEST_SUITE_P(
    Preferences, PreferencesButtons,
    ::testing::Values(ButtonsCase{"DefaultThenCancel",
                                  {false, false, true, true},
                                  "dialog click 3\ndialog click 2\n",
                                  {false, false, true, true}},
                      ButtonsCase{"DefaultThenOK",
                                  {false, false, true, true},
                                  "dialog click 3\ndialog click 1\n",
                                  {true, true, false, false}},
                      ButtonsCase{"BoxesThenCancel",
                                  {true, true, false, false},
                                  "dialog check 97 off\ndialog check 89 off\ndialog check 88 on\n"
                                  "dialog check 94 on\ndialog click 2\n",
                                  {true, true, false, false}},
                      ButtonsCase{"BoxesThenOK",
                                  {true, true, false, false},
                                  "dialog check 97 off\ndialog check 89 off\ndialog check 88 on\n"
                                  "dialog check 94 on\ndialog click 1\n",
                                  {false, false, true, true}},
                      ButtonsCase{"BoxesThenDefaultThenOK",
                                  {true, false, false, false},
                                  "dialog check 97 off\ndialog check 88 on\ndialog check 94 on\n"
                                  "dialog click 3\ndialog click 1\n",
                                  {true, true, false, false}}),
    CaseName<ButtonsCase>);

TEST(PreferencesDialog, DefaultSetsTheBoxesAtOnceAndLeavesTheLayersTip) {
    emulator::Json state = PlayScenario(StoredSwitches(false, false, true, true) + kOpen +
                                        "dialog click 3\nsnapshot default\ndialog click 2\n");
    const emulator::Json& dialog = Dialog(Snapshot(state, "default"), "bidon");
    const std::pair<int, bool> boxes[] = {{97, true}, {89, true}, {88, false}, {94, false}};
    for (const auto& [id, on] : boxes) EXPECT_EQ(Item(dialog, id).at("on"), on) << id;
    EXPECT_EQ(Item(dialog, 88).at("tip"), "Les tracés seront sur un nouveau calque (KVT.Ortaq).");
    EXPECT_TRUE(Texts(dialog).empty());
    // "Défaut" turns the sound on without a beep.
    EXPECT_TRUE(state.at("beeps").empty());
}

struct SoundCase {
    std::string name;
    bool stored;
    std::string checks;
    size_t beeps;
};

class PreferencesSound : public ::testing::TestWithParam<SoundCase> {};

TEST_P(PreferencesSound, CheckingTheBoxBeepsOnceAndUncheckingIsSilent) {
    const SoundCase& c = GetParam();
    emulator::Json state = PlayScenario(StoredSwitches(true, c.stored, false, false) + kOpen +
                                        c.checks + "dialog click 2\n");
    EXPECT_EQ(state.at("beeps"),
              emulator::Json(std::vector<emulator::Json>(c.beeps, emulator::Json({9001, 100}))));
}

INSTANTIATE_TEST_SUITE_P(
    Preferences, PreferencesSound,
    ::testing::Values(
        SoundCase{"Checked", false, "dialog check 89 on\n", 1},
        SoundCase{"CheckedThenUnchecked", false, "dialog check 89 on\ndialog check 89 off\n", 1},
        SoundCase{"Unchecked", true, "dialog check 89 off\n", 0},
        SoundCase{"UncheckedThenChecked", true, "dialog check 89 off\ndialog check 89 on\n", 1},
        SoundCase{"ClickedTwice", false, "dialog click 89\ndialog click 89\n", 1}),
    CaseName<SoundCase>);

TEST(PreferencesDialog, ThePenBoxShowsAndRemovesTheNoteAtOnce) {
    emulator::Json state = PlayScenario(kOpen +
                                        "snapshot first\ndialog check 94 on\nsnapshot on\n"
                                        "dialog check 94 off\nsnapshot off\ndialog click 2\n");
    const std::vector<std::pair<std::string, emulator::Json>> note = {
        {"* Au prochain lancement d'Illustrator.", {24, 106}}, {"*", {226, 88}}};
    EXPECT_TRUE(Texts(Dialog(Snapshot(state, "first"), "bidon")).empty());
    EXPECT_EQ(Texts(Dialog(Snapshot(state, "on"), "bidon")), note);
    EXPECT_TRUE(Texts(Dialog(Snapshot(state, "off"), "bidon")).empty());
}

TEST(PreferencesDialog, TheLayerBoxsTipFollowsTheBox) {
    emulator::Json state = PlayScenario(kOpen +
                                        "dialog check 88 on\nsnapshot on\n"
                                        "dialog check 88 off\nsnapshot off\n"
                                        "dialog click 2\n");
    const std::pair<const char*, const char*> expected[] = {
        {"on", "Les tracés seront sur un nouveau calque (KVT.Ortaq)."},
        {"off", "Les tracés créés seront sur le calque actif."},
    };
    for (const auto& [snapshot, tip] : expected)
        EXPECT_EQ(Item(Dialog(Snapshot(state, snapshot), "bidon"), 88).at("tip"), tip) << snapshot;
}

struct MoveCase {
    std::string name;
    int button;
};

class PreferencesPlace : public ::testing::TestWithParam<MoveCase> {};

TEST_P(PreferencesPlace, TheDialogOpensAgainWhereTheUserLeftIt) {
    emulator::Json state = PlayScenario(kOpen + "snapshot first\ndialog move 40 -25\n" +
                                        "dialog click " + std::to_string(GetParam().button) +
                                        "\npanel menu 6\nsnapshot again\ndialog click 2\n"
                                        "options\nsnapshot third\n");
    const emulator::Json& first = Dialog(Snapshot(state, "first"), "bidon").at("rect");
    const emulator::Json expected = {first.at(0).get<int>() + 40, first.at(1).get<int>() - 25,
                                     first.at(2).get<int>() + 40, first.at(3).get<int>() - 25};
    EXPECT_EQ(Dialog(Snapshot(state, "again"), "bidon").at("rect"), expected);
    EXPECT_EQ(Dialog(Snapshot(state, "third"), "ModèleBidon").at("rect"), expected);
}

INSTANTIATE_TEST_SUITE_P(Preferences, PreferencesPlace,
                         ::testing::Values(MoveCase{"OK", 1}, MoveCase{"Cancel", 2}),
                         CaseName<MoveCase>);

}  // namespace
