// The toolbox, the modifier keys and the mouse from a scenario: the "AI Tool" messages the
// real plug-in library receives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ai_application.h"
#include "host/messages.h"
#include "tests/support/scenario_run.h"
#include "tests/support/state_lookup.h"

namespace {

struct ToolMessage {
    std::string selector;
    HostToolHandle tool;
    HostRealPoint cursor;
    int32_t modifiers;

    bool operator==(const ToolMessage& other) const {
        return selector == other.selector && tool == other.tool && cursor.h == other.cursor.h &&
               cursor.v == other.cursor.v && modifiers == other.modifiers;
    }
};

void PrintTo(const ToolMessage& message, std::ostream* out) {
    *out << message.selector << " (" << message.cursor.h << ", " << message.cursor.v
         << ") modifiers " << message.modifiers;
}

// Plays SCENARIO, keeping every "AI Tool" message and the handle of the tool the plug-in
// added for itself.
struct ToolRun {
    explicit ToolRun(const std::string& scenario) {
        state = PlayScenario(
            scenario,
            [this](emulator::Host& host) {
                host.TraceLog().AddMessageListener(
                    [this, &host](const emulator::MessageRecord& message) {
                        if (std::string(message.caller) != kCallerAITool) return;
                        if (const emulator::Tool* own = host.Tools().OwnedBy(host.Plugin().Ref()))
                            tool = host.Tools().HandleOf(*own);
                        auto record = reinterpret_cast<const AIToolMessage*>(message.record);
                        sent.push_back(
                            {message.selector, record->tool, record->cursor, record->modifiers});
                    });
            },
            &notices);
    }
    std::vector<std::string> Selectors() const {
        std::vector<std::string> selectors;
        for (const ToolMessage& message : sent) selectors.push_back(message.selector);
        return selectors;
    }

    HostToolHandle tool = nullptr;
    std::vector<ToolMessage> sent;
    std::vector<std::string> notices;
    emulator::Json state;
};

TEST(ToolSelection, SelectAndDeselectGoOnlyToThePluginsTool) {
    ToolRun run("start\nselect-tool\nselect-tool \"Adobe Pen Tool\"\nselect-tool\nselect-tool\n");
    EXPECT_EQ(run.Selectors(),
              (std::vector<std::string>{kSelectorAISelectTool, kSelectorAIDeselectTool,
                                        kSelectorAISelectTool}));
    ASSERT_NE(run.tool, nullptr);
    for (const ToolMessage& message : run.sent) EXPECT_EQ(message.tool, run.tool);
    // The last click, on the tool already current, does nothing and says so.
    ASSERT_EQ(run.notices.size(), 1u);
    EXPECT_NE(run.notices[0].find("already current"), std::string::npos) << run.notices[0];
    std::vector<std::string> current;
    for (const emulator::Json& tool : run.state.at("tools"))
        if (tool.at("current").get<bool>()) current.push_back(tool.at("name"));
    EXPECT_EQ(current, std::vector<std::string>{"Outil Ortaq"});
}

TEST(ToolMouse, MessagesCarryTheArtworkPointAndTheHeldKeys) {
    ToolRun run(
        "start\nselect-tool\nhold alt\nmove 1.5 -2\ndown 10 20\ndrag 11 21\nup 12 22\n"
        "release alt\nhold shift\nclick 3 4\noptions\n");
    std::vector<ToolMessage> expected = {
        {kSelectorAISelectTool, run.tool, {0, 0}, 0},
        {kSelectorAITrackToolCursor, run.tool, {1.5f, -2}, kHostOptionKey},
        {kSelectorAIToolMouseDown, run.tool, {10, 20}, kHostOptionKey},
        {kSelectorAIToolMouseDrag, run.tool, {11, 21}, kHostOptionKey},
        {kSelectorAIToolMouseUp, run.tool, {12, 22}, kHostOptionKey},
        {kSelectorAITrackToolCursor, run.tool, {3, 4}, kHostShiftKey},
        {kSelectorAIToolMouseDown, run.tool, {3, 4}, kHostShiftKey},
        {kSelectorAIToolMouseUp, run.tool, {3, 4}, kHostShiftKey},
        {kSelectorAIEditToolOptions, run.tool, {0, 0}, kHostShiftKey},
    };
    EXPECT_EQ(run.sent, expected);
    EXPECT_EQ(run.state.at("keys"), emulator::Json::array({"shift"}));
    EXPECT_TRUE(run.notices.empty());
}

// The Pen tool does nothing here; the selection tool acts on the document itself.
TEST(ToolMouse, WithTheHostsPenCurrentTheMouseReachesNothing) {
    ToolRun run("start\nselect-tool \"Adobe Pen Tool\"\nclick 3 4\noptions\n");
    EXPECT_TRUE(run.sent.empty());
    // One notice for the click, one for the options.
    ASSERT_EQ(run.notices.size(), 2u);
    EXPECT_NE(run.notices[0].find("reaches nothing"), std::string::npos) << run.notices[0];
    EXPECT_NE(run.notices[1].find("AI Edit Options"), std::string::npos) << run.notices[1];
    // The button went down all the same: a drag is allowed after it.
    EXPECT_NO_THROW(ToolRun("start\nselect-tool \"Adobe Pen Tool\"\ndown 5 6\ndrag 7 8\n"));
}

TEST(ToolMouse, RefusesButtonActionsOutOfOrder) {
    for (const char* steps : {"drag 1 2\n", "up 1 2\n", "down 1 2\ndown 1 2\n",
                              "down 1 2\nclick 1 2\n", "click 1 2\ndrag 1 2\n"}) {
        EXPECT_THROW(ToolRun(std::string("start\nselect-tool\n") + steps), std::runtime_error)
            << steps;
    }
}

TEST(ToolsInstalled, AnotherPluginsToolJoinsTheToolboxBeforeStartOnly) {
    ToolRun run("tool-installed \"Outil Pimsal\"\nstart\n");
    const emulator::Json& pimsal = ToolNamed(run.state, "Outil Pimsal");
    EXPECT_EQ(pimsal.at("number"), 2);  // after the host's own two
    EXPECT_EQ(pimsal.at("owner"), "host");
    EXPECT_EQ(pimsal.at("current"), false);
    EXPECT_THROW(ToolRun("start\ntool-installed \"Outil Pimsal\"\n"), std::runtime_error);
}

}  // namespace
