// The tool's cursors and icons as the plug-in library carries them, and the cursor the
// host shows once the plug-in sets one.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "emulator/core/host.h"
#include "emulator/models/resources/cursor_resource.h"
#include "emulator/output/state.h"
#include "host/adm.h"
#include "tests/support/suite_access.h"

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

// A .res file of the entries given: TYPE and NAME numbers with their data.
struct Entry {
    uint16_t type;
    uint16_t name;
    std::vector<unsigned char> data;
};

void Put16(std::string& out, uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, static_cast<uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<uint16_t>(value >> 16));
}

emulator::ResourceFile ResFile(const std::vector<Entry>& entries) {
    std::string bytes;
    for (const Entry& entry : entries) {
        Put32(bytes, static_cast<uint32_t>(entry.data.size()));
        Put32(bytes, 32);  // header size
        Put16(bytes, 0xFFFF);
        Put16(bytes, entry.type);
        Put16(bytes, 0xFFFF);
        Put16(bytes, entry.name);
        Put32(bytes, 0);  // data version
        Put16(bytes, 0);  // memory flags
        Put16(bytes, 1033);
        Put32(bytes, 0);  // version
        Put32(bytes, 0);  // characteristics
        bytes.append(entry.data.begin(), entry.data.end());
        while (bytes.size() % 4 != 0) bytes += '\0';
    }
    return emulator::ResourceFile::Parse(bytes);
}

constexpr uint16_t kCursor = 1, kGroupCursor = 12;

std::vector<unsigned char> Group(uint16_t kind, uint16_t count, uint16_t image) {
    std::string out;
    Put16(out, 0);
    Put16(out, kind);
    Put16(out, count);
    for (uint16_t value : {32, 64, 1, 1}) Put16(out, value);
    Put32(out, 308);
    Put16(out, image);
    return {out.begin(), out.end()};
}

std::vector<unsigned char> Image(uint16_t x, uint16_t y, uint32_t width, uint32_t height) {
    std::string out;
    Put16(out, x);
    Put16(out, y);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    return {out.begin(), out.end()};
}

TEST(CursorResources, RefusesAGroupOrImageThatIsNotWhatItShouldBe) {
    struct Case {
        const char* what;
        std::vector<Entry> entries;
    } cases[] = {
        {"a group of icons",
         {{kGroupCursor, 7, Group(1, 1, 1)}, {kCursor, 1, Image(1, 1, 32, 64)}}},
        {"an empty group", {{kGroupCursor, 7, Group(2, 0, 1)}, {kCursor, 1, Image(1, 1, 32, 64)}}},
        {"a missing image", {{kGroupCursor, 7, Group(2, 1, 2)}, {kCursor, 1, Image(1, 1, 32, 64)}}},
        {"a hot spot outside",
         {{kGroupCursor, 7, Group(2, 1, 1)}, {kCursor, 1, Image(5, 32, 32, 64)}}},
        {"an odd height", {{kGroupCursor, 7, Group(2, 1, 1)}, {kCursor, 1, Image(1, 1, 32, 63)}}},
        {"a truncated image", {{kGroupCursor, 7, Group(2, 1, 1)}, {kCursor, 1, {0, 0, 0}}}},
    };
    for (const Case& c : cases)
        EXPECT_THROW(emulator::ReadCursor(ResFile(c.entries), 7), std::runtime_error) << c.what;
    auto good = emulator::ReadCursor(
        ResFile({{kGroupCursor, 7, Group(2, 1, 1)}, {kCursor, 1, Image(5, 31, 32, 64)}}), 7);
    ASSERT_TRUE(good);
    EXPECT_EQ(good->hotSpotY, 31);
}

// A cursor image of WIDTH x 2 pixels with the hot spot (0, 0): its header with BITS bits a
// pixel, a black-and-white palette, then each row of COLOUR and of MASK (top row first
// here, stored bottom-up), one byte a row padded to four.
std::vector<unsigned char> MonochromeImage(uint32_t width, uint16_t bits,
                                           const std::vector<unsigned char>& colour,
                                           const std::vector<unsigned char>& mask) {
    std::string out;
    Put16(out, 0);
    Put16(out, 0);
    for (uint32_t value : {40u, width, 4u}) Put32(out, value);
    Put16(out, 1);
    Put16(out, bits);
    for (uint32_t value : {0u, 0u, 0u, 0u, 2u, 0u}) Put32(out, value);
    Put32(out, 0x000000);
    Put32(out, 0xFFFFFF);
    for (const auto* rows : {&colour, &mask})
        for (size_t row = rows->size(); row-- > 0;) Put32(out, (*rows)[row]);
    return {out.begin(), out.end()};
}

TEST(CursorResources, APixelIsTransparentBlackWhiteOrInvertingByItsColourAndMaskBits) {
    using Pixel = emulator::CursorPixel;
    // Top row: black, white; bottom row: transparent, inverting.
    auto bitmap = emulator::ReadCursorBitmap(
        ResFile({{kGroupCursor, 7, Group(2, 1, 1)},
                 {kCursor, 1, MonochromeImage(2, 1, {0b01000000, 0b01000000}, {0, 0b11000000})}}),
        7);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->At(0, 0), Pixel::kBlack);
    EXPECT_EQ(bitmap->At(1, 0), Pixel::kWhite);
    EXPECT_EQ(bitmap->At(0, 1), Pixel::kTransparent);
    EXPECT_EQ(bitmap->At(1, 1), Pixel::kInverted);
    // The plug-in's arrow: transparent around it, a black edge, white inside.
    auto arrow = emulator::ReadCursorBitmap(PluginResources(), 20009);
    ASSERT_TRUE(arrow);
    EXPECT_EQ(arrow->At(0, 0), Pixel::kTransparent);
    EXPECT_EQ(arrow->At(11, 10), Pixel::kBlack);
    EXPECT_EQ(arrow->At(12, 14), Pixel::kWhite);
    auto empty = emulator::ReadCursorBitmap(PluginResources(), 20008);
    ASSERT_TRUE(empty);
    for (Pixel pixel : empty->pixels) EXPECT_EQ(pixel, Pixel::kTransparent);
    EXPECT_FALSE(emulator::ReadCursorBitmap(PluginResources(), 20010));
}

TEST(CursorResources, ThePixelsOfAnImageThatIsNotMonochromeOrIsCutShortAreRefused) {
    std::vector<unsigned char> fourBits = MonochromeImage(2, 4, {0, 0}, {0, 0});
    std::vector<unsigned char> cutShort = MonochromeImage(2, 1, {0, 0}, {0, 0});
    cutShort.resize(cutShort.size() - 1);
    for (const auto& image : {fourBits, cutShort}) {
        emulator::ResourceFile file =
            ResFile({{kGroupCursor, 7, Group(2, 1, 1)}, {kCursor, 1, image}});
        EXPECT_THROW(emulator::ReadCursorBitmap(file, 7), std::runtime_error);
        // Its size and hot spot alone still read.
        EXPECT_TRUE(emulator::ReadCursor(file, 7));
    }
}

class ToolResources : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(host.LoadPlugin(error)) << error;
    }

    template <typename Suite>
    const Suite* Acquire(const char* name, int32_t version) {
        return ::Acquire<Suite>(host, name, version);
    }

    emulator::Host host{ORTAQ_PLUGIN_PATH};
};

TEST_F(ToolResources, TheStateShowsTheHotSpotOfTheCursorSetLast) {
    auto basic = Acquire<ADMBasicSuite11>(kADMBasicSuite, kADMBasicSuiteVersion);
    EXPECT_EQ(emulator::HostState(host).at("cursor_hot_spot"), nullptr);
    ASSERT_EQ(basic->SetPlatformCursor(host.Plugin().Ref(), 20001), kHostNoError);
    EXPECT_EQ(emulator::HostState(host).at("cursor_hot_spot").dump(), "[15,14]");
    // A cursor the plug-in does not carry has no image, hence no hot spot.
    ASSERT_EQ(basic->SetPlatformCursor(host.Plugin().Ref(), 20010), kHostNoError);
    EXPECT_EQ(emulator::HostState(host).at("cursor"), 20010);
    EXPECT_EQ(emulator::HostState(host).at("cursor_hot_spot"), nullptr);
}

TEST_F(ToolResources, TheToolIconsLoadAsIconsAndAnyOtherNumberIsMissing) {
    auto icons = Acquire<ADMIconSuite1>(kADMIconSuite, kADMIconSuiteVersion1);
    for (int32_t number : {16051, 18001})
        EXPECT_NE(icons->GetType(icons->GetFromResource(host.Plugin().Ref(), number)),
                  kADMUnknownIconType)
            << number;
    // A bitmap is a picture for dialogs, not an icon for the toolbox.
    EXPECT_EQ(icons->GetType(icons->GetFromResource(host.Plugin().Ref(), 409)),
              kADMUnknownIconType);
    EXPECT_TRUE(host.Errors().empty());
}

}  // namespace
