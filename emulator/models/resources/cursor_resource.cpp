#include "emulator/models/resources/cursor_resource.h"

#include <stdexcept>
#include <string>

#include "emulator/models/resources/byte_reader.h"

namespace emulator {
namespace {

constexpr uint16_t kCursorGroupType = 2;
constexpr uint32_t kInfoHeaderSize = 40;

// The resource number of the group's first image.
uint16_t FirstImageNumber(const Resource& group) {
    ByteReader reader(group.data, "group cursor");
    reader.U16();  // reserved
    if (reader.U16() != kCursorGroupType) reader.Fail("not a group of cursors");
    if (reader.U16() == 0) reader.Fail("no image");
    // width, height, planes, bits per pixel, size in bytes, then the image's number.
    reader.Take(2 + 2 + 2 + 2 + 4);
    return reader.U16();
}

CursorImage ReadImage(const Resource& image) {
    ByteReader reader(image.data, "cursor");
    CursorImage cursor;
    cursor.hotSpotX = reader.U16();
    cursor.hotSpotY = reader.U16();
    if (reader.U32() < kInfoHeaderSize) reader.Fail("bitmap header too short");
    auto width = static_cast<int32_t>(reader.U32());
    auto doubleHeight = static_cast<int32_t>(reader.U32());
    // The bitmap stacks the image's colour rows on its mask rows: twice its height.
    if (width <= 0 || doubleHeight <= 0 || doubleHeight % 2 != 0) reader.Fail("bad image size");
    cursor.width = static_cast<uint32_t>(width);
    cursor.height = static_cast<uint32_t>(doubleHeight / 2);
    if (cursor.hotSpotX >= cursor.width || cursor.hotSpotY >= cursor.height)
        reader.Fail("hot spot outside the image");
    return cursor;
}

}  // namespace

std::optional<CursorImage> ReadCursor(const ResourceFile& file, uint16_t number) {
    const Resource* group = file.Find(ResourceId::ParseType("GROUP_CURSOR"), number);
    if (group == nullptr) return std::nullopt;
    uint16_t imageNumber = FirstImageNumber(*group);
    const Resource* image = file.Find(ResourceId::ParseType("CURSOR"), imageNumber);
    if (image == nullptr)
        throw std::runtime_error("group cursor " + std::to_string(number) + ": no cursor image " +
                                 std::to_string(imageNumber));
    return ReadImage(*image);
}

}  // namespace emulator
