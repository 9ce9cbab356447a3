// Where the plug-in puts its tool in the host's toolbox at start-up: with the Pen tool,
// beside one of the maker's other tools, or in a group of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/scenario_steps.h"
#include "tests/support/state_lookup.h"

namespace {

struct PlacementCase {
    std::string name;
    std::string prefs;                // set before start
    std::vector<std::string> others;  // tools installed before start, in order
    std::string group;                // the tool whose group is joined; "" for a new one
    std::string toolset;              // the tool whose fly-out is joined; "" for its own
};

class ToolPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(ToolPlacement, FollowsThePreferenceAndTheMakersToolsInstalled) {
    const PlacementCase& c = GetParam();
    std::string scenario = c.prefs;
    for (const std::string& other : c.others) scenario += "tool-installed \"" + other + "\"\n";
    emulator::Json state = PlayScenario(scenario + "start\n");

    auto number = [&](const std::string& name) {
        return name.empty() ? -2 : ToolNamed(state, name).at("number").get<int>();
    };
    const emulator::Json& tool = ToolNamed(state, "Outil Ortaq");
    EXPECT_EQ(tool.at("group").get<int>(), number(c.group));
    EXPECT_EQ(tool.at("toolset").get<int>(), number(c.toolset));
    EXPECT_EQ(tool.at("owner"), "plug-in");
    EXPECT_EQ(tool.at("tip"), "Outil Ortaq 3.0");
    EXPECT_EQ(tool.at("options"), 1);
    EXPECT_EQ(tool.at("icon"), 16051);
    EXPECT_EQ(tool.at("rollover_icon"), 18001);
    EXPECT_TRUE(state.at("errors").empty()) << state.at("errors").dump();
}

const std::string kWithPen = "pref KVTOrtaq OutilsGroupe bool true\n";
const std::string kWithoutPen = "pref KVTOrtaq OutilsGroupe bool false\n";

INSTANTIATE_TEST_SUITE_P(
    Toolbox, ToolPlacement,
    ::testing::Values(
        PlacementCase{"WithThePen", kWithPen, {}, "Adobe Pen Tool", "Adobe Pen Tool"},
        PlacementCase{"WithThePenWhateverTheMakersToolsInstalled",
                      kWithPen,
                      {"Outil Gavrel", "Outil Pimsal"},
                      "Adobe Pen Tool",
                      "Adobe Pen Tool"},
        PlacementCase{"BesidePimsal", kWithoutPen, {"Outil Pimsal"}, "Outil Pimsal", ""},
        PlacementCase{"BesidePimsalByDefault", "", {"Outil Pimsal"}, "Outil Pimsal", ""},
        PlacementCase{"BesideTondrekBeforePimsal",
                      kWithoutPen,
                      {"Outil Pimsal", "Outil Tondrek"},
                      "Outil Tondrek",
                      ""},
        PlacementCase{"BesideGavrelBeforeTheOthers",
                      kWithoutPen,
                      {"Outil Pimsal", "Outil Tondrek", "Outil Gavrel"},
                      "Outil Gavrel",
                      ""},
        PlacementCase{"InANewGroupWithoutTheMakersTools", kWithoutPen, {}, "", ""},
        PlacementCase{
            "InANewGroupBesideANearlyNamedTool", kWithoutPen, {"Outil Tondrekk"}, "", ""}),
    CaseName<PlacementCase>);

}  // namespace
