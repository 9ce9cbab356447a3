// The annotation layer's draw cycle as a scenario drives it through the real plug-in
// library: a test annotator, added for the plug-in as it would add its own, hears each "AI
// Annotation"/"AI Draw" and draws through the drawer the message lends.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/ai_annotator.h"
#include "host/ai_application.h"
#include "host/messages.h"
#include "tests/support/case_name.h"
#include "tests/support/scenario_run.h"
#include "tests/support/suite_access.h"

namespace {

// Plays SCENARIO with a test annotator, active or not, keeping every draw message it gets;
// DRAW, when given, runs during each of them.
struct DrawRun {
    using Draw = std::function<void(DrawRun& run, const AIAnnotatorMessage& message)>;

    explicit DrawRun(const std::string& scenario, bool active = true, Draw draw = {}) {
        state = PlayScenario(scenario, [&](emulator::Host& played) {
            host = &played;
            annotators =
                Acquire<AIAnnotatorSuite4>(played, kAIAnnotatorSuite, kAIAnnotatorSuiteVersion);
            drawers = Acquire<AIAnnotatorDrawerSuite1>(played, kAIAnnotatorDrawerSuite,
                                                       kAIAnnotatorDrawerSuiteVersion);
            EXPECT_EQ(annotators->AddAnnotator(played.Plugin().Ref(), "Test", &annotator),
                      kHostNoError);
            EXPECT_EQ(annotators->SetAnnotatorActive(annotator, active), kHostNoError);
            firstView = played.Drawing().HandleOf(&played.Drawing().FirstView());
            played.TraceLog().AddMessageListener([this, draw](const emulator::MessageRecord& sent) {
                if (std::string(sent.caller) != kCallerAIAnnotation) return;
                auto message = reinterpret_cast<const AIAnnotatorMessage*>(sent.record);
                if (message->annotator != annotator) return;  // the plug-in's own
                EXPECT_EQ(std::string(sent.selector), kSelectorAIDrawAnnotation);
                received.push_back(*message);
                if (draw) draw(*this, *message);
            });
        });
    }

    emulator::Host* host = nullptr;  // while the scenario plays
    const AIAnnotatorSuite4* annotators = nullptr;
    const AIAnnotatorDrawerSuite1* drawers = nullptr;
    HostAnnotatorHandle annotator = nullptr;
    HostDocumentViewHandle firstView = nullptr;
    std::vector<AIAnnotatorMessage> received;
    emulator::Json state;
};

struct UserAction {
    const char* name;
    const char* before;  // the scenario up to the action
    const char* action;
};

class DrawCycles : public ::testing::TestWithParam<UserAction> {};

TEST_P(DrawCycles, FollowEachActionOnce) {
    const UserAction& c = GetParam();
    size_t before = DrawRun(c.before).received.size();
    EXPECT_EQ(DrawRun(std::string(c.before) + c.action).received.size(), before + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Annotations, DrawCycles,
    ::testing::Values(
        UserAction{"PointerMove", "start\n", "move 10 20\n"},
        UserAction{"ClickOfThreeToolMessages", "start\nselect-tool\n", "click 10 20\n"},
        UserAction{"ButtonDown", "start\nselect-tool\n", "down 10 20\n"},
        UserAction{"Drag", "start\nselect-tool\ndown 10 20\n", "drag 30 40\n"},
        UserAction{"ButtonUp", "start\nselect-tool\ndown 10 20\n", "up 10 20\n"},
        UserAction{"KeyHeld", "start\n", "hold alt\n"},
        UserAction{"KeyReleased", "start\nhold shift\n", "release shift\n"},
        UserAction{"Zoom", "start\n", "zoom 2\n"},
        UserAction{"PathAdded", "start\n", "add-path 0 0 10 0 10 10\n"},
        UserAction{"PathDeleted", "add-path 0 0 10 0 10 10\nstart\n", "delete-art 1\n"},
        UserAction{"PathMoved", "add-path 0 0 10 0 10 10\nstart\n", "move-art 1 5 5\n"},
        UserAction{"ToolSelected", "start\n", "select-tool\n"},
        UserAction{"HostToolSelected", "start\nselect-tool\n", "select-tool \"Adobe Pen Tool\"\n"},
        UserAction{"ToolOptions", "start\nselect-tool\n", "options\n"},
        UserAction{"Menu", "start\n", "menu \"Masquer KVT.Ortaq\"\n"},
        UserAction{"Panel", "start\n", "panel click 23\n"},
        // Inside the About box's own loop, and once more when the box closes.
        UserAction{"DialogClosingItsBox", "start\nmenu \"KVT.Ortaq…\"\n", "dialog click 1\n"}),
    CaseName<UserAction>);

TEST(DrawCycle, NothingIsSentToAnInactiveAnnotatorNorBeforeStartOrAfterQuit) {
    const std::string actions =
        "select-tool\nclick 10 20\nhold alt\nzoom 2\nadd-path 0 0 10 0 10 10\nmove-art 1 1 1\n";
    EXPECT_TRUE(DrawRun("start\n" + actions, false).received.empty());
    EXPECT_TRUE(DrawRun("zoom 2\nadd-path 0 0 10 0 10 10\nhold alt\n").received.empty());
    size_t started = DrawRun("start\n").received.size();
    EXPECT_EQ(DrawRun("start\nquit\nzoom 2\nadd-path 0 0 10 0 10 10\n").received.size(), started);
}

TEST(DrawCycle, EachMessageLendsAFreshDrawerForTheWholeOfTheFirstView) {
    std::vector<HostErr> staleAnswers;
    HostDrawerRef previous = nullptr;
    DrawRun run("start\nmove 1 1\nzoom 2\nview-size 800 600\n", true,
                [&](DrawRun& r, const AIAnnotatorMessage& message) {
                    if (previous != nullptr)
                        staleAnswers.push_back(r.drawers->SetColor(previous, {1, 2, 3}));
                    EXPECT_EQ(r.drawers->SetColor(message.drawer, {1, 2, 3}), kHostNoError);
                    previous = message.drawer;
                });
    ASSERT_EQ(run.received.size(), 4u);
    for (const AIAnnotatorMessage& message : run.received) {
        // The window as it is: the last one after it was resized.
        bool resized = &message == &run.received.back();
        EXPECT_EQ(message.view, run.firstView);
        EXPECT_EQ(message.invalidRect.left, 0);
        EXPECT_EQ(message.invalidRect.top, 0);
        EXPECT_EQ(message.invalidRect.right, resized ? 800 : 595);
        EXPECT_EQ(message.invalidRect.bottom, resized ? 600 : 842);
    }
    EXPECT_NE(run.received[0].drawer, run.received[1].drawer);
    EXPECT_EQ(staleAnswers,
              (std::vector<HostErr>{kHostErrBadHandle, kHostErrBadHandle, kHostErrBadHandle}));
    size_t misuses = 0;
    for (const emulator::Json& error : run.state.at("errors"))
        if (error.get<std::string>().find("SetColor: a drawer of no draw message") !=
            std::string::npos)
            ++misuses;
    EXPECT_EQ(misuses, 3u);
}

TEST(DrawCycle, TheStateShowsTheLastCycleAndTheAnnotatorsAsTheyAre) {
    // Each cycle draws a line as long as the number of cycles so far, and invalidates it.
    DrawRun run("start\nsnapshot first\nmove 1 1\nzoom 2\n", true,
                [](DrawRun& r, const AIAnnotatorMessage& message) {
                    auto length = static_cast<int32_t>(r.received.size());
                    HostViewPoint start{0, 0}, end{length, 0};
                    HostRect place{0, 0, length, 1};
                    EXPECT_EQ(r.drawers->DrawLine(message.drawer, &start, &end), kHostNoError);
                    EXPECT_EQ(r.annotators->InvalidAnnotationRect(message.view, &place),
                              kHostNoError);
                    if (r.received.size() == 3) r.annotators->SetAnnotatorActive(r.annotator, 0);
                });
    // Start, the snapshot, the move, the zoom: the last made no cycle.
    ASSERT_EQ(run.received.size(), 3u);
    const emulator::Json& annotations = run.state.at("annotations");
    // The plug-in's own annotator is added at start-up, inactive until its tool is selected.
    EXPECT_EQ(annotations.at("annotators").dump(),
              "[{\"name\":\"Test\",\"active\":false},{\"name\":\"KVTAnno\",\"active\":false}]");
    // The annotator is no longer drawn: the layer shows nothing.
    EXPECT_EQ(annotations.at("drawing").dump(), "[]");
    // The plug-in answers every draw message too: what it draws comes after the test's.
    const emulator::Json& first = run.state.at("snapshots").at("first").at("annotations");
    EXPECT_EQ(first.at("drawing").at(0).dump(),
              "{\"op\":\"line\",\"coords\":[0,0,1,0],\"color\":[0,0,0],\"line_width\":1.0}");
    EXPECT_EQ(first.at("invalidated").at(0).dump(), "[0,0,1,1]");
    EXPECT_EQ(first.at("annotators").dump(),
              "[{\"name\":\"Test\",\"active\":true},{\"name\":\"KVTAnno\",\"active\":false}]");
}

}  // namespace
