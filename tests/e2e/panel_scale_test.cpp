// The drawing scale from the panel, end to end: the scale popup, the indicator that the
// scale is not 1, and the custom-scale dialog.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

constexpr int kLengthFields[6] = {3, 5, 7, 9, 11, 13};

// A quadrilateral drawn by clicks, shown in millimetres at the scale 1.
const std::string kDrawn = "start\nselect-tool\n" +
                           Clicks({{100, 500}, {220, 520}, {240, 640}, {90, 610}}) +
                           "snapshot before\n";

// The state after STEPS, played once the figure is drawn, with the scenario's snapshots.
emulator::Json After(const std::string& steps) {
    emulator::Json state = PlayScenario(kDrawn + steps + "snapshot after\n");
    emulator::Json after = Snapshot(state, "after");
    after["snapshots"] = state.at("snapshots");
    after["prefs"] = state.at("prefs");  // as the host keeps them once the run is over
    return after;
}

std::vector<double> Lengths(const emulator::Json& state) {
    std::vector<double> values;
    for (int field : kLengthFields) values.push_back(PanelValue(state, field));
    return values;
}

// The popup's entries that are checked and the one selected, by ID.
std::string Marks(const emulator::Json& state) {
    std::string marks;
    for (const emulator::Json& entry : PanelItem(state, 20).at("entries")) {
        std::string id = std::to_string(entry.at("id").get<int>());
        if (entry.at("checked").get<bool>()) marks += "checked " + id + " ";
        if (entry.at("selected").get<bool>()) marks += "selected " + id + " ";
    }
    return marks;
}

std::string EntryText(const emulator::Json& state, int id) {
    for (const emulator::Json& entry : PanelItem(state, 20).at("entries"))
        if (entry.at("id") == id) return entry.at("text");
    return "none";
}

// The texts the custom-scale dialog's own drawing wrote.
std::vector<std::string> DialogTexts(const emulator::Json& state) {
    std::vector<std::string> texts;
    for (const emulator::Json& dialog : state.at("dialogs"))
        if (dialog.at("name") == "bidon")
            for (const emulator::Json& op : dialog.at("drawing"))
                if (op.at("op") == "text") texts.push_back(op.at("text"));
    return texts;
}

TEST(ScalePopup, AScaleMultipliesTheLengthsShownAndLeavesTheDrawing) {
    emulator::Json state = After("panel choose 20 0\nsnapshot hundredth\npanel choose 20 9\n");
    const emulator::Json& before = Snapshot(state, "before");
    const emulator::Json& hundredth = Snapshot(state, "hundredth");
    std::vector<double> held = Lengths(before);
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(Lengths(hundredth)[i], 100 * held[i]) << i;
    EXPECT_EQ(Anchors(ArtPaths(hundredth)[0]), Anchors(ArtPaths(before)[0]));
    EXPECT_EQ(PanelItem(hundredth, 20).at("text"), "1/100");
    EXPECT_EQ(Marks(hundredth), "checked 0 selected 0 ");
    const emulator::Json& indicator = PanelItem(hundredth, 19);
    EXPECT_TRUE(indicator.at("shown").get<bool>());
    EXPECT_EQ(indicator.at("tip"), "Indique que l'échelle n'est pas 1.");
    // A drawn square point stands for 10,000 of them: the area's cents are those of the
    // vertices at the float32 scale 0.01.
    EXPECT_EQ(PanelItem(before, 18).at("text"), "Aire=1916,56 mm2");
    EXPECT_EQ(PanelItem(hundredth, 18).at("text"), "Aire=19165633,57 mm2");

    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(Lengths(state)[i], held[i]) << i;
        EXPECT_EQ(PanelItem(state, kLengthFields[i]).at("text"),
                  PanelItem(before, kLengthFields[i]).at("text"));
    }
    EXPECT_FALSE(PanelItem(state, 19).at("shown").get<bool>());
    EXPECT_EQ(PanelItem(state, 18).at("text"), "Aire=1916,56 mm2");
}

TEST(CustomScale, CancellingKeepsTheScaleAndStoresNothing) {
    emulator::Json state = After(
        "panel choose 20 0\npanel choose 20 20\ndialog type 10 5\nsnapshot open\ndialog click 2\n"
        "snapshot cancelled\npanel choose 20 20\nsnapshot again\ndialog click 2\n");
    const emulator::Json& cancelled = Snapshot(state, "cancelled");
    EXPECT_EQ(PanelItem(cancelled, 20).at("text"), "1/100");
    EXPECT_EQ(Marks(cancelled), "checked 0 selected 0 ");
    EXPECT_EQ(EntryText(cancelled, 21), "3/7");
    EXPECT_EQ(state.at("prefs").at("KVTOrtaq").at("EchelleNumPersoReal"), 3.0);
    // What was typed stays in the fields until the host quits.
    EXPECT_EQ(DialogTexts(Snapshot(state, "again")).back(), "1 mm -> 1,4 mm");
    EXPECT_TRUE(state.at("alerts").empty());
}

struct DialogItemCase {
    int id;
    const char* type;
    const char* rect;
    const char* text;
    const char* tip;
};

TEST(CustomScale, TheDialogOpensWithTheCustomTermsWhereItWasPlaced) {
    emulator::Json state = After("panel choose 20 20\nsnapshot open\ndialog click 2\n");
    const emulator::Json* dialog = nullptr;
    for (const emulator::Json& shown : Snapshot(state, "open").at("dialogs"))
        if (shown.at("name") == "bidon") dialog = &shown;
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->at("kind"), "modal");
    EXPECT_EQ(dialog->at("resource"), 17100);
    EXPECT_EQ(dialog->at("style"), 0);
    EXPECT_EQ(dialog->at("title"), "Échelle personnalisée.");
    // Centred on the 1920 × 1080 screen, a third of the way down.
    EXPECT_EQ(dialog->at("rect").dump(), "[860,320,1060,440]");
    const DialogItemCase items[] = {
        {10, "ADM Spin Edit Type", "[20,14,84,36]", "3,000000", ""},
        {11, "ADM Picture Push Button Type", "[0,14,13,36]", "",
         "Numérateur de l'échelle personnalisée (entier ou décimal)."},
        {12, "ADM Spin Edit Type", "[124,14,188,36]", "7,000000", ""},
        {13, "ADM Picture Push Button Type", "[100,14,123,36]", "",
         "Dénominateur de l'échelle personnalisée (entier ou décimal)."},
        {2, "ADM Text Push Button Type", "[10,62,78,82]", "Annuler", "Aucune modification."},
        {1, "ADM Text Push Button Type", "[131,62,189,82]", "OK",
         "Validation de l'échelle préférée."}};
    const emulator::Json& shown = dialog->at("items");
    ASSERT_EQ(shown.size(), std::size(items));
    for (size_t i = 0; i < std::size(items); ++i) {
        const emulator::Json& item = shown.at(i);
        EXPECT_EQ(item.at("id"), items[i].id);
        EXPECT_EQ(item.at("type"), items[i].type) << items[i].id;
        EXPECT_EQ(item.at("rect").dump(), items[i].rect) << items[i].id;
        EXPECT_EQ(item.at("text"), items[i].text) << items[i].id;
        EXPECT_EQ(item.at("tip"), items[i].tip) << items[i].id;
        EXPECT_TRUE(item.at("enabled").get<bool>()) << items[i].id;
    }
    for (int field : {0, 2}) {
        const emulator::Json& term = shown.at(field);
        EXPECT_EQ(term.at("min").get<float>(), 0.0001f);
        EXPECT_EQ(term.at("small_step").get<float>(), 0.1f);
        EXPECT_EQ(term.at("large_step").get<float>(), 1.0f);
        EXPECT_EQ(term.at("unit"), nullptr);
        EXPECT_EQ(term.at("precision"), 6);
    }
    // The letters are invisible buttons: they draw nothing.
    EXPECT_EQ(shown.at(1).at("drawing").dump(), "[]");
}

TEST(CustomScale, TheEquivalenceLineFollowsTheTyping) {
    emulator::Json state = After(
        "panel choose 20 20\nsnapshot s37\ndialog type 10 1\nsnapshot s17\n"
        "dialog type 12 3,5\nsnapshot s135\ndialog click 2\n");
    EXPECT_EQ(DialogTexts(Snapshot(state, "s37")),
              (std::vector<std::string>{"N", ":", "D", "1 mm -> 2,33333 mm"}));
    EXPECT_EQ(DialogTexts(Snapshot(state, "s17")).back(), "1 mm -> 7 mm");
    EXPECT_EQ(DialogTexts(Snapshot(state, "s135")).back(), "1 mm -> 3,5 mm");
}

TEST(CustomScale, TheLettersPutTheCaretInTheirField) {
    emulator::Json state = After(
        "panel choose 20 20\ndialog click 13\nsnapshot d\n"
        "dialog click 11\nsnapshot n\ndialog click 2\n");
    auto focused = [](const emulator::Json& snapshot) {
        for (const emulator::Json& dialog : snapshot.at("dialogs"))
            if (dialog.at("name") == "bidon") return dialog.at("focused").get<int>();
        return 0;
    };
    EXPECT_EQ(focused(Snapshot(state, "d")), 12);
    EXPECT_EQ(focused(Snapshot(state, "n")), 10);
}

TEST(CustomScale, OKStoresTheRatioWhichTheSameFixedRatiosEntryMarks) {
    emulator::Json state = After(
        "panel choose 20 20\ndialog type 10 1\ndialog type 12 3\ndialog click 1\n"
        "snapshot ok\npanel choose 20 21\nsnapshot custom\npanel choose 20 6\n");
    const emulator::Json& ok = Snapshot(state, "ok");
    EXPECT_EQ(EntryText(ok, 21), "1/3");
    // The scale in effect is still 1 until the entry is chosen.
    EXPECT_EQ(PanelItem(ok, 20).at("text"), "1");
    EXPECT_EQ(Lengths(ok), Lengths(Snapshot(state, "before")));
    EXPECT_EQ(state.at("prefs").at("KVTOrtaq").at("EchelleNumPersoReal"), 1.0);
    EXPECT_EQ(state.at("prefs").at("KVTOrtaq").at("EchelleDenPersoReal"), 3.0);
    const emulator::Json& custom = Snapshot(state, "custom");
    EXPECT_EQ(Marks(custom), "checked 6 selected 6 ");
    EXPECT_EQ(Lengths(custom), Lengths(state));
}

TEST(CustomScale, ARatioNoFixedEntryHasIsMarkedOnTheCustomEntry) {
    emulator::Json state = After(
        "panel choose 20 20\ndialog type 10 2\ndialog type 12 4\n"
        "dialog click 1\npanel choose 20 21\n");
    EXPECT_EQ(Marks(state), "checked 21 selected 21 ");
    EXPECT_EQ(PanelItem(state, 20).at("text"), "2/4");
    std::vector<double> held = Lengths(Snapshot(state, "before"));
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(Lengths(state)[i], 2 * held[i]);
}

// With the custom ratio in effect, OK puts the new one in effect: the popup never names a
// scale the lengths are not at.
TEST(CustomScale, OKWithTheCustomRatioInEffectAppliesTheNewOne) {
    emulator::Json state = After(
        "panel choose 20 20\ndialog type 10 3\ndialog type 12 7\ndialog click 1\n"
        "panel choose 20 21\nsnapshot threeSevenths\npanel choose 20 20\ndialog type 10 2\n"
        "dialog type 12 5\ndialog click 1\n");
    EXPECT_EQ(PanelItem(Snapshot(state, "threeSevenths"), 20).at("text"), "3/7");
    EXPECT_EQ(PanelItem(state, 20).at("text"), "2/5");
    std::vector<double> held = Lengths(Snapshot(state, "before"));
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(Lengths(state)[i], 2.5 * held[i], 1e-3 * held[i]);
}

struct TermCase {
    std::string name;
    const char* typed;
    const char* entry;  // the custom entry's text after OK
};

class CustomTerms : public ::testing::TestWithParam<TermCase> {};

// The drawing scale divides every length: no zero, negative or absent term may reach it.
TEST_P(CustomTerms, NeverGiveTheScaleAZeroNegativeOrMissingNumerator) {
    emulator::Json state = After(std::string("panel choose 20 20\ndialog type 10 ") +
                                 GetParam().typed + "\ndialog click 1\npanel choose 20 21\n");
    EXPECT_EQ(EntryText(state, 21), GetParam().entry);
    for (int field : kLengthFields) {
        const emulator::Json& value = PanelItem(state, field).at("value");
        ASSERT_TRUE(value.is_number()) << field << ": " << value.dump();
        EXPECT_GT(value.get<double>(), 0) << field;
    }
    EXPECT_TRUE(PanelItem(state, 18).at("text").get<std::string>().starts_with("Aire="));
}

INSTANTIATE_TEST_SUITE_P(Panel, CustomTerms,
                         ::testing::Values(TermCase{"Zero", "0", "0.0001/7"},
                                           TermCase{"Negative", "-3", "0.0001/7"},
                                           TermCase{"BelowTheLeast", "0,00001", "0.0001/7"},
                                           TermCase{"NotANumber", "nan", "3/7"},
                                           TermCase{"Infinite", "inf", "3/7"},
                                           TermCase{"Words", "trois", "3/7"}),
                         CaseName<TermCase>);

}  // namespace
