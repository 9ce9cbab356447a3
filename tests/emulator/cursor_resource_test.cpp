// The tool's cursors and icons as the plug-in library carries them, and the cursor the
// host shows once the plug-in sets one.
#include <gtest/gtest.h>

#include <string>

#include "emulator/core/host.h"
#include "emulator/models/resources/cursor_resource.h"
#include "emulator/output/state.h"
#include "host/adm.h"

namespace {

const emulator::ResourceFile& PluginResources() {
    static const emulator::ResourceFile file = emulator::LoadPluginResources(ORTAQ_PLUGIN_PATH);
    return file;
}

TEST(CursorResources, EachCursorIsOneImageOf32By32WithItsHotSpot) {
    struct Case {
        uint16_t number;
        uint16_t x, y;
    } cases[] = {
        {20001, 15, 14}, {20002, 11, 8}, {20003, 11, 7}, {20004, 11, 7}, {20005, 11, 7},
        {20006, 11, 7},  {20007, 11, 7}, {20008, 11, 7}, {20009, 11, 7},
    };
    for (const Case& c : cases) {
        auto cursor = emulator::ReadCursor(PluginResources(), c.number);
        ASSERT_TRUE(cursor) << c.number;
        EXPECT_EQ(cursor->width, 32u) << c.number;
        EXPECT_EQ(cursor->height, 32u) << c.number;
        EXPECT_EQ(cursor->hotSpotX, c.x) << c.number;
        EXPECT_EQ(cursor->hotSpotY, c.y) << c.number;
    }
    EXPECT_FALSE(emulator::ReadCursor(PluginResources(), 20010));
}

class ToolResources : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(host.LoadPlugin(error)) << error;
    }

    template <typename Suite>
    const Suite* Acquire(const char* name, int32_t version) {
        const void* table = nullptr;
        EXPECT_EQ(host.BasicSuite()->AcquireSuite(name, version, &table), kHostNoError);
        return static_cast<const Suite*>(table);
    }

    emulator::Host host{ORTAQ_PLUGIN_PATH};
};

TEST_F(ToolResources, TheStateShowsTheHotSpotOfTheCursorSetLast) {
    auto basic = Acquire<ADMBasicSuite11>(kADMBasicSuite, kADMBasicSuiteVersion);
    EXPECT_EQ(emulator::HostState(host).at("cursor_hot_spot"), nullptr);
    ASSERT_EQ(basic->SetPlatformCursor(host.plugin.Ref(), 20001), kHostNoError);
    EXPECT_EQ(emulator::HostState(host).at("cursor_hot_spot").dump(), "[15,14]");
    // A cursor the plug-in does not carry has no image, hence no hot spot.
    ASSERT_EQ(basic->SetPlatformCursor(host.plugin.Ref(), 20010), kHostNoError);
    EXPECT_EQ(emulator::HostState(host).at("cursor"), 20010);
    EXPECT_EQ(emulator::HostState(host).at("cursor_hot_spot"), nullptr);
}

TEST_F(ToolResources, TheToolIconsLoadAsIconsAndAnyOtherNumberIsMissing) {
    auto icons = Acquire<ADMIconSuite1>(kADMIconSuite, kADMIconSuiteVersion1);
    for (int32_t number : {16051, 18001})
        EXPECT_NE(icons->GetType(icons->GetFromResource(host.plugin.Ref(), number)),
                  kADMUnknownIconType)
            << number;
    // A bitmap is a picture for dialogs, not an icon for the toolbox.
    EXPECT_EQ(icons->GetType(icons->GetFromResource(host.plugin.Ref(), 409)), kADMUnknownIconType);
    EXPECT_TRUE(host.Errors().empty());
}

}  // namespace
