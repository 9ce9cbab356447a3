// Start-up and shut-down run in this process against the emulator's suites.
#include <gtest/gtest.h>

#include "plugin/lifecycle.h"
#include "tests/support/plugin_in_process.h"

namespace {

using StartUp = PluginInProcess;

TEST_F(StartUp, ClearsTheRecordTheHostHandsOut) {
    gGlobals = nullptr;
    SPInterfaceMessage startUp{};
    startUp.d.self = host.Plugin().Ref();
    startUp.d.basic = host.BasicSuite();
    ASSERT_EQ(Demarrage(&startUp), kHostNoError);
    ASSERT_NE(gGlobals, nullptr);
    const Globals& record = *gGlobals;
    // Fields that no start-up step sets hold zeros, not what the host's memory held.
    EXPECT_EQ(record.NbClics, 0);
    EXPECT_EQ(record.TraceCourant, nullptr);
    EXPECT_EQ(record.GroupeCourant, nullptr);
    EXPECT_EQ(record.Panneau, nullptr);
    EXPECT_EQ(record.Cote1, 0);
    EXPECT_EQ(record.DeplaceSommet, 0);
    for (char c : record.Aire) EXPECT_EQ(c, 0);
    for (const HostPathSegment& s : record.Sommets) EXPECT_EQ(s.p.h, 0);
    // What the steps set.
    EXPECT_NE(record.MenuPanneau, nullptr);
    EXPECT_NE(record.NotifDemarrage, nullptr);
    EXPECT_EQ(record.EchelleDenPersoReal, 7);
    EXPECT_EQ(Arret(&startUp), kHostNoError);
    EXPECT_EQ(gGlobals, nullptr);
    EXPECT_EQ(host.Blocks().Count(), 0u);
    gGlobals = &globals;
}

}  // namespace
