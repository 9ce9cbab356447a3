// What makes the plug-in's tool the host's current one besides its button: showing the
// panel from the menu, and a click on the panel while the tool is not selected.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

std::string CurrentTool(const emulator::Json& state) {
    for (const emulator::Json& tool : state.at("tools"))
        if (tool.at("current").get<bool>()) return tool.at("name");
    return "";
}

struct CurrentCase {
    std::string name;
    std::string before;  // played after start
    std::string action;
    std::string current;  // the current tool after ACTION
};

class ToolMadeCurrent : public ::testing::TestWithParam<CurrentCase> {};

TEST_P(ToolMadeCurrent, ByThePanelsShowItemAndClickAreaOnly) {
    const CurrentCase& c = GetParam();
    emulator::Json state = PlayScenario("start\n" + c.before + c.action);
    EXPECT_EQ(CurrentTool(state), c.current);
    EXPECT_TRUE(state.at("errors").empty()) << state.at("errors").dump();
    // The tool heard of its selection once, when it became current.
    EXPECT_EQ(CallsTo(state, "AI Tool", "AI Select").size(), c.current == "Outil Ortaq" ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, ToolMadeCurrent,
    ::testing::Values(CurrentCase{"ShowingThePanelFromTheMenu", "menu \"Masquer KVT.Ortaq\"\n",
                                  "menu \"Afficher KVT.Ortaq\"\n", "Outil Ortaq"},
                      CurrentCase{"HidingThePanelKeepsTheHostsTool", "",
                                  "menu \"Masquer KVT.Ortaq\"\n", "Adobe Selection Tool"},
                      CurrentCase{"HidingThePanelKeepsThePenTool",
                                  "select-tool \"Adobe Pen Tool\"\n",
                                  "menu \"Masquer KVT.Ortaq\"\n", "Adobe Pen Tool"},
                      CurrentCase{"HidingThePanelKeepsThePluginsTool", "select-tool\n",
                                  "menu \"Masquer KVT.Ortaq\"\n", "Outil Ortaq"},
                      CurrentCase{"ClickingThePanel", "", "panel click 29\n", "Outil Ortaq"},
                      CurrentCase{"ClickingThePanelWhileThePenIsCurrent",
                                  "select-tool \"Adobe Pen Tool\"\n", "panel click 29\n",
                                  "Outil Ortaq"}),
    CaseName<CurrentCase>);

TEST(ToolMadeCurrent, TheClickAreaLiesOutsideThePanelWhileTheToolIsSelected) {
    emulator::Json state = PlayScenario(
        "start\nsnapshot off\nselect-tool\nsnapshot on\nselect-tool \"Adobe Pen "
        "Tool\"\nsnapshot off-again\n");
    for (const char* name : {"off", "off-again"})
        EXPECT_EQ(PanelItem(Snapshot(state, name), 29).at("rect"), emulator::Json({0, 0, 206, 226}))
            << name;
    EXPECT_EQ(PanelItem(Snapshot(state, "on"), 29).at("rect"), emulator::Json({412, 0, 618, 226}));
}

}  // namespace
