#include "emulator/models/resources/picture_resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "tests/support/case_name.h"
#include "tests/support/runtime_error.h"

namespace {

const emulator::ResourceFile& PluginResources() {
    static const emulator::ResourceFile file = emulator::LoadPluginResources(ORTAQ_PLUGIN_PATH);
    return file;
}

const emulator::Resource& PluginResource(const char* type, uint16_t number) {
    const emulator::Resource* resource =
        PluginResources().Find(emulator::ResourceId::ParseType(type), number);
    if (resource == nullptr)
        throw std::runtime_error(std::string("the plug-in carries no ") + type + ' ' +
                                 std::to_string(number));
    return *resource;
}

uint32_t U32At(const std::vector<unsigned char>& bytes, size_t at) {
    uint32_t value;
    std::memcpy(&value, &bytes[at], sizeof value);  // little-endian, as the tests run
    return value;
}

struct PictureCase {
    const char* type;
    uint16_t number;
    uint32_t width;
    uint32_t height;
};

class PluginPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PluginPictures, AreCarriedWithTheirSize) {
    const emulator::Resource& resource = PluginResource(GetParam().type, GetParam().number);
    EXPECT_EQ(resource.language, 1033);
    emulator::Picture picture = emulator::ReadPictureResource(resource);
    EXPECT_EQ(picture.width, GetParam().width);
    EXPECT_EQ(picture.height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    PictureResource, PluginPictures,
    ::testing::Values(PictureCase{"BITMAP", 128, 20, 20},  // the logo, button up
                      PictureCase{"BITMAP", 129, 17, 17},  // the logo, button down
                      PictureCase{"BITMAP", 400, 11, 9},   // next page
                      PictureCase{"BITMAP", 401, 11, 9}, PictureCase{"BITMAP", 402, 11, 9},
                      PictureCase{"BITMAP", 403, 11, 9},   // previous page
                      PictureCase{"BITMAP", 407, 6, 6},    // the scale is not 1
                      PictureCase{"BITMAP", 409, 23, 23},  // the panel's icons
                      PictureCase{"BITMAP", 410, 23, 23},
                      PictureCase{"BITMAP", 500, 10, 10},    // the web link
                      PictureCase{"BITMAP", 162, 335, 263},  // the About box
                      PictureCase{"PNG", 411, 19, 15}),      // the inclination's buttons
    [](const ::testing::TestParamInfo<PictureCase>& testCase) {
        return std::string(testCase.param.type) + std::to_string(testCase.param.number);
    });

TEST(PictureResource, ABitmapBecomesAFileAViewerOpens) {
    const emulator::Resource& resource = PluginResource("BITMAP", 128);
    emulator::Picture picture = emulator::ReadBitmapResource(resource.data);
    EXPECT_EQ(picture.mimeType, "image/bmp");
    ASSERT_EQ(picture.file.size(), 14 + resource.data.size());
    EXPECT_EQ(picture.file[0], 'B');
    EXPECT_EQ(picture.file[1], 'M');
    EXPECT_EQ(U32At(picture.file, 2), picture.file.size());
    EXPECT_EQ(U32At(picture.file, 6), 0u);
    EXPECT_EQ(U32At(picture.file, 10), 14u + 40u);  // 24-bit pixels follow the header
    EXPECT_TRUE(std::equal(resource.data.begin(), resource.data.end(), picture.file.begin() + 14));
}

TEST(PictureResource, APngIsItsOwnFile) {
    const emulator::Resource& resource = PluginResource("PNG", 411);
    emulator::Picture picture = emulator::ReadPngResource(resource.data);
    EXPECT_EQ(picture.mimeType, "image/png");
    EXPECT_EQ(picture.file, resource.data);
}

TEST(PictureResource, OnlyBitmapsAndPngsArePictures) {
    std::optional<std::string> message =
        RuntimeErrorOf([] { emulator::ReadPictureResource(PluginResource("MENU", 128)); });
    EXPECT_EQ(message, "MENU is not a picture resource");
}

// A device-independent bitmap of 2 x 2 pixels, 24 bits each, that each case spoils.
struct DibFields {
    uint32_t headerSize = 40;
    int32_t width = 2;
    int32_t height = 2;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    size_t tailBytes = 16;  // colour table and pixels: two rows of 6 bytes padded to 8
};

std::vector<unsigned char> Dib(const DibFields& fields) {
    std::vector<unsigned char> bytes;
    auto put = [&bytes](uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>(value >> 8 * i));
    };
    put(fields.headerSize, 4);
    put(static_cast<uint32_t>(fields.width), 4);
    put(static_cast<uint32_t>(fields.height), 4);
    put(fields.planes, 2);
    put(fields.bitCount, 2);
    put(fields.compression, 4);
    put(0, 4);  // image size
    put(0, 4);  // horizontal resolution
    put(0, 4);  // vertical resolution
    put(fields.coloursUsed, 4);
    put(0, 4);  // important colours
    bytes.resize(bytes.size() + fields.tailBytes);
    return bytes;
}

TEST(PictureResource, TheFileHeaderPointsPastTheColourTable) {
    emulator::Picture everyColour =
        emulator::ReadBitmapResource(Dib({.bitCount = 8, .tailBytes = 1032}));
    EXPECT_EQ(U32At(everyColour.file, 10), 14u + 40u + 256u * 4u);
    emulator::Picture twoColours =
        emulator::ReadBitmapResource(Dib({.bitCount = 1, .coloursUsed = 2, .tailBytes = 16}));
    EXPECT_EQ(U32At(twoColours.file, 10), 14u + 40u + 2u * 4u);
}

TEST(PictureResource, ATopDownBitmapHasAPositiveHeight) {
    emulator::Picture picture =
        emulator::ReadBitmapResource(Dib({.width = 1, .height = -2, .tailBytes = 8}));
    EXPECT_EQ(picture.width, 1u);
    EXPECT_EQ(picture.height, 2u);
}

struct BadBitmap {
    const char* name;
    std::vector<unsigned char> data;
    const char* reason;  // part of the message
};

class BadBitmaps : public ::testing::TestWithParam<BadBitmap> {};

TEST_P(BadBitmaps, AreRefusedWithAReason) {
    std::optional<std::string> message =
        RuntimeErrorOf([this] { emulator::ReadBitmapResource(GetParam().data); });
    ASSERT_TRUE(message) << "accepted";
    EXPECT_NE(message->find("malformed BITMAP resource"), std::string::npos) << *message;
    EXPECT_NE(message->find(GetParam().reason), std::string::npos) << *message;
}

INSTANTIATE_TEST_SUITE_P(
    PictureResource, BadBitmaps,
    ::testing::Values(
        BadBitmap{"Empty", {}, "runs past the end"},
        BadBitmap{"CoreHeader", Dib({.headerSize = 12}), "12 bytes is not a BITMAPINFOHEADER"},
        BadBitmap{"HeaderPastTheEnd", Dib({.headerSize = 400}), "runs past the end"},
        BadBitmap{"NoWidth", Dib({.width = 0}), "a size of 0 x 2 pixels"},
        BadBitmap{"NoHeight", Dib({.height = 0}), "a size of 2 x 0 pixels"},
        BadBitmap{"TwoPlanes", Dib({.planes = 2}), "2 planes"},
        BadBitmap{"SevenBits", Dib({.bitCount = 7}), "7 bits a pixel"},
        BadBitmap{"RunLengthEncoded", Dib({.bitCount = 8, .compression = 1, .tailBytes = 1100}),
                  "compression 1 is not read"},
        BadBitmap{"MoreColoursThanBits",
                  Dib({.bitCount = 8, .coloursUsed = 300, .tailBytes = 1300}),
                  "300 colours for 8 bits a pixel"},
        BadBitmap{"ColourTableCutShort", Dib({.bitCount = 8, .tailBytes = 1000}),
                  "runs past the end"},
        BadBitmap{"PixelsCutShort", Dib({.tailBytes = 15}), "the pixels run past the end"},
        BadBitmap{"PixelsBeyondAnyMemory",
                  Dib({.width = INT32_MAX, .height = INT32_MIN, .bitCount = 32}),
                  "the pixels run past the end"}),
    CaseName<BadBitmap>);

struct BadPng {
    const char* name;
    void (*spoil)(std::vector<unsigned char>&);
    const char* reason;  // part of the message
};

class BadPngs : public ::testing::TestWithParam<BadPng> {};

TEST_P(BadPngs, AreRefusedWithAReason) {
    std::vector<unsigned char> data = PluginResource("PNG", 411).data;
    GetParam().spoil(data);
    std::optional<std::string> message =
        RuntimeErrorOf([&data] { emulator::ReadPngResource(data); });
    ASSERT_TRUE(message) << "accepted";
    EXPECT_NE(message->find("malformed PNG resource"), std::string::npos) << *message;
    EXPECT_NE(message->find(GetParam().reason), std::string::npos) << *message;
}

INSTANTIATE_TEST_SUITE_P(
    PictureResource, BadPngs,
    ::testing::Values(
        BadPng{"Empty", [](std::vector<unsigned char>& data) { data.clear(); }, "no PNG signature"},
        BadPng{"NotAPng", [](std::vector<unsigned char>& data) { data[1] = 'X'; },
               "no PNG signature"},
        BadPng{"DamagedHeader", [](std::vector<unsigned char>& data) { data[8 + 8 + 3] ^= 1; },
               "chunk \"IHDR\" fails its checksum"},
        BadPng{"DamagedPixels", [](std::vector<unsigned char>& data) { data[8 + 25 + 8] ^= 1; },
               "fails its checksum"},
        BadPng{"CutInsideAChunk",
               [](std::vector<unsigned char>& data) { data.resize(data.size() - 5); },
               "runs past the end"},
        BadPng{"CutBeforeItsEnd",
               [](std::vector<unsigned char>& data) { data.resize(data.size() - 12); },
               "ends before its IEND chunk"}),
    CaseName<BadPng>);

}  // namespace
