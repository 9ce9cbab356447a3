// The host's state as the emulator builds it from what the plug-in passed.
#include "emulator/output/state.h"

#include <gtest/gtest.h>

namespace {

TEST(HostState, ShowsThePlugInsWindows1252TextInMisuseAsUtf8) {
    emulator::Host host(ORTAQ_PLUGIN_PATH);
    host.BasicSuite()->ReleaseSuite("Suite \xE9 \x80", 1);
    emulator::Json state = emulator::HostState(host);
    EXPECT_EQ(state.at("errors").at(0), "release of a suite that is not held: Suite é € 1");
    EXPECT_NO_THROW(emulator::JsonFileText(state));
}

}  // namespace
