// The help pane's pages turned from a scenario: the page's text and title, the read-out, and
// the two buttons disabled at the ends with tips that say so.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scenario_run.h"
#include "tests/support/state_lookup.h"

namespace {

constexpr int kPages = 6;

const char* const kTitles[kPages] = {
    "ALT-CLIC",
    "TRACÉ D'UN QUADRILATÈRE",
    "MODIFICATION D'UN QUADRILATÈRE",
    "MODIFICATION D'UN QUADRILATÈRE",
    "ANNOTATIONS",
    "MENU LOCAL",
};

std::string HelpText(const emulator::Json& state) {
    return PanelItem(state, 80).at("text").get<std::string>();
}

struct Buttons {
    bool previousEnabled;
    std::string previousTip;
    bool nextEnabled;
    std::string nextTip;
};

Buttons ButtonsShown(const emulator::Json& state) {
    const emulator::Json& previous = PanelItem(state, 82);
    const emulator::Json& next = PanelItem(state, 81);
    return {previous.at("enabled").get<bool>(), previous.at("tip").get<std::string>(),
            next.at("enabled").get<bool>(), next.at("tip").get<std::string>()};
}

void ExpectPage(const emulator::Json& state, int page, const Buttons& expected,
                const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(HelpText(state).substr(0, HelpText(state).find("\r\n")), kTitles[page - 1]);
    EXPECT_EQ(PanelItem(state, 136).at("text"), std::to_string(page));
    Buttons shown = ButtonsShown(state);
    EXPECT_EQ(shown.previousEnabled, expected.previousEnabled);
    EXPECT_EQ(shown.previousTip, expected.previousTip);
    EXPECT_EQ(shown.nextEnabled, expected.nextEnabled);
    EXPECT_EQ(shown.nextTip, expected.nextTip);
}

const std::string kFirstTip = "Première page de l'aide.";
const std::string kPreviousTip = "Page précédente de l'aide.";
const std::string kNextTip = "Page suivante de l'aide.";
const std::string kLastTip = "Dernière page de l'aide.";

// The help opened, then every page forward to the last and back to the first.
emulator::Json TurnAllPages() {
    std::string scenario = "start\nselect-tool\npanel menu 8\nsnapshot forward1\n";
    for (int page = 2; page <= kPages; ++page)
        scenario += "panel click 81\nsnapshot forward" + std::to_string(page) + "\n";
    for (int page = kPages - 1; page >= 1; --page)
        scenario += "panel click 82\nsnapshot back" + std::to_string(page) + "\n";
    return PlayScenario(scenario);
}

TEST(HelpPages, TurnForwardToTheLastPageAndBackToTheFirst) {
    emulator::Json state = TurnAllPages();
    // The panel's creation gave the tips of page 1.
    ExpectPage(Snapshot(state, "forward1"), 1, {false, kFirstTip, true, kNextTip}, "forward1");
    for (int page = 2; page < kPages; ++page) {
        std::string name = "forward" + std::to_string(page);
        ExpectPage(Snapshot(state, name), page, {true, kPreviousTip, true, kNextTip}, name);
    }
    ExpectPage(Snapshot(state, "forward6"), kPages, {true, kPreviousTip, false, kLastTip},
               "forward6");
    for (int page = kPages - 1; page > 1; --page) {
        std::string name = "back" + std::to_string(page);
        ExpectPage(Snapshot(state, name), page, {true, kPreviousTip, true, kNextTip}, name);
    }
    ExpectPage(Snapshot(state, "back1"), 1, {false, kFirstTip, true, kNextTip}, "back1");
    EXPECT_EQ(PanelItem(Snapshot(state, "back1"), 137).at("text"), "/");
    EXPECT_EQ(PanelItem(Snapshot(state, "back1"), 138).at("text"), "6");
}

// The help closed on its last page opens again on page 1, whose buttons say so.
TEST(HelpPages, ReopenedAtPage1WithPage1sButtons) {
    std::string scenario = "start\nselect-tool\npanel menu 8\n";
    for (int page = 2; page <= kPages; ++page) scenario += "panel click 81\n";
    emulator::Json state = PlayScenario(scenario + "panel menu 8\npanel menu 8\nsnapshot again\n");
    ExpectPage(Snapshot(state, "again"), 1, {false, kFirstTip, true, kNextTip}, "again");
}

TEST(HelpPages, EachPageIsATitleAnEmptyLineAndParagraphsInCRLFLines) {
    emulator::Json state = TurnAllPages();
    std::vector<std::string> texts;
    for (int page = 1; page <= kPages; ++page) {
        std::string text = HelpText(Snapshot(state, "forward" + std::to_string(page)));
        texts.push_back(text);
        SCOPED_TRACE("page " + std::to_string(page));
        EXPECT_EQ(text.rfind(std::string(kTitles[page - 1]) + "\r\n\r\n", 0), 0u);
        // Some paragraph follows the empty line.
        EXPECT_GT(text.size(), std::string(kTitles[page - 1]).size() + 20);
        for (size_t i = 0; i < text.size(); ++i) {
            bool afterCR = i > 0 && text[i - 1] == '\r';
            bool beforeLF = i + 1 < text.size() && text[i + 1] == '\n';
            if (text[i] == '\n') {
                EXPECT_TRUE(afterCR) << "LF at " << i;
            }
            if (text[i] == '\r') {
                EXPECT_TRUE(beforeLF) << "CR at " << i;
            }
        }
        EXPECT_NE(text.back(), '\n');
    }
    // Every page says something of its own, the two pages of one title included.
    for (int a = 0; a < kPages; ++a)
        for (int b = a + 1; b < kPages; ++b)
            EXPECT_NE(texts[a], texts[b]) << a + 1 << ", " << b + 1;
}

}  // namespace
