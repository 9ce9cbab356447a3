// The tracker suite outside a track procedure, and the document suite's redraw request, as
// the plug-in calls them.
#include <gtest/gtest.h>

#include "emulator/core/host.h"
#include "emulator/output/state.h"
#include "host/adm.h"
#include "host/ai_document.h"
#include "tests/support/suite_access.h"

namespace {

TEST(TrackerSuite, ATrackerOutsideItsTrackProcedureIsUnknown) {
    emulator::Host host{"no-plugin.so"};
    auto tracker = Acquire<ADMTrackerSuite2>(host, kADMTrackerSuite, kADMTrackerSuiteVersion);
    auto stale = reinterpret_cast<HostTrackerRef>(0x1234);
    EXPECT_EQ(tracker->GetAction(stale), 0);
    EXPECT_EQ(tracker->TestModifier(stale, kADMShiftModifier), 0);
    EXPECT_EQ(host.Errors(), (std::vector<std::string>{"GetAction: unknown tracker",
                                                       "TestModifier: unknown tracker"}));
}

TEST(DocumentSuite, RedrawRequestsAreCountedInTheState) {
    emulator::Host host{"no-plugin.so"};
    auto document = Acquire<AIDocumentSuite11>(host, kAIDocumentSuite, kAIDocumentSuiteVersion);
    EXPECT_EQ(emulator::HostState(host).at("redraws_requested"), 0);
    EXPECT_EQ(document->RedrawDocument(), kHostNoError);
    EXPECT_EQ(document->RedrawDocument(), kHostNoError);
    EXPECT_EQ(emulator::HostState(host).at("redraws_requested"), 2);
}

}  // namespace
