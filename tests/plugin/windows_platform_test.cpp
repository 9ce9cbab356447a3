// GetAsyncKeyState and Beep as the plug-in's code calls them: through its shim, which finds
// the host's functions exported by this program.
#include <gtest/gtest.h>

#include "emulator/core/host.h"
#include "host/windows_platform.h"

namespace {

bool Down(int virtualKey) {
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

TEST(WindowsPlatform, KeyStateIsTheKeysTheUserHolds) {
    emulator::Host host{"no-plugin.so"};
    EXPECT_FALSE(Down(VK_MENU));
    host.Input().Keys().Hold(emulator::ModifierKey::kAlt);
    EXPECT_TRUE(Down(VK_MENU));
    EXPECT_FALSE(Down(VK_SHIFT));
    EXPECT_FALSE(Down('A'));
    host.Input().Keys().Release(emulator::ModifierKey::kAlt);
    EXPECT_FALSE(Down(VK_MENU));
}

TEST(WindowsPlatform, BeepsAreRecordedWithTheirToneAndLength) {
    emulator::Host host{"no-plugin.so"};
    EXPECT_NE(Beep(9001, 100), 0);
    EXPECT_NE(Beep(440, 5), 0);
    ASSERT_EQ(host.App().Beeps().size(), 2u);
    EXPECT_EQ(host.App().Beeps()[0].hertz, 9001u);
    EXPECT_EQ(host.App().Beeps()[0].milliseconds, 100u);
    EXPECT_EQ(host.App().Beeps()[1].hertz, 440u);
}

TEST(WindowsPlatform, WithoutAHostNoKeyIsDownAndNoBeepSounds) {
    {
        emulator::Host host{"no-plugin.so"};
        host.Input().Keys().Hold(emulator::ModifierKey::kAlt);
    }
    EXPECT_FALSE(Down(VK_MENU));
    EXPECT_EQ(Beep(9001, 100), 0);
}

}  // namespace
