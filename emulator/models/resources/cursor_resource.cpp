#include "emulator/models/resources/cursor_resource.h"

#include <stdexcept>
#include <string>

#include "emulator/models/resources/byte_reader.h"

namespace emulator {
namespace {

constexpr uint16_t kCursorGroupType = 2;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr size_t kHeaderAt = 4;  // the bitmap header follows the hot spot

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

// The colour an entry of the palette shows, by its brightness: black or white.
CursorPixel PaletteColour(ByteReader& reader) {
    std::string_view entry = reader.Take(4);  // blue, green, red, unused
    int brightness = 0;
    for (int k = 0; k < 3; ++k) brightness += static_cast<unsigned char>(entry[k]);
    return brightness < 3 * 128 ? CursorPixel::kBlack : CursorPixel::kWhite;
}

// The bytes of a row of one bit a pixel: padded to a multiple of four.
size_t RowBytes(const CursorImage& image) {
    return (size_t{image.width} + 31) / 32 * 4;
}

// One bit a pixel, rows bottom-up.
std::vector<bool> ReadMask(ByteReader& reader, const CursorImage& image) {
    size_t width = image.width;
    std::vector<bool> bits(width * image.height);
    for (size_t row = image.height; row-- > 0;) {
        std::string_view bytes = reader.Take(RowBytes(image));
        for (size_t x = 0; x < width; ++x)
            bits[row * width + x] = (static_cast<unsigned char>(bytes[x / 8]) >> (7 - x % 8)) & 1;
    }
    return bits;
}

// The pixels of IMAGE, whose size ReadImage read: its palette, colour rows and mask rows.
std::vector<CursorPixel> ReadPixels(const Resource& resource, const CursorImage& image) {
    ByteReader reader(resource.data, "cursor");
    reader.Seek(kHeaderAt);
    uint32_t headerSize = reader.U32();
    reader.Seek(kHeaderAt + 12);  // past the header's size, width and height
    if (reader.U16() != 1 || reader.U16() != 1) reader.Fail("not a monochrome image");
    reader.Take(4 * 4);  // compression, image size, resolution
    uint32_t colours = reader.U32();
    if (colours == 0) colours = 2;
    if (colours > 2) reader.Fail("more than two colours");
    reader.Seek(kHeaderAt + headerSize);
    CursorPixel palette[2] = {CursorPixel::kBlack, CursorPixel::kWhite};
    for (uint32_t k = 0; k < colours; ++k) palette[k] = PaletteColour(reader);
    // Colour rows, then mask rows.
    if (RowBytes(image) * image.height * 2 > reader.Remaining()) reader.Fail("pixels cut short");
    std::vector<bool> colour = ReadMask(reader, image);
    std::vector<bool> mask = ReadMask(reader, image);
    std::vector<CursorPixel> pixels(colour.size());
    for (size_t k = 0; k < pixels.size(); ++k)
        pixels[k] = !mask[k]    ? palette[colour[k]]
                    : colour[k] ? CursorPixel::kInverted
                                : CursorPixel::kTransparent;
    return pixels;
}

// The first image of the group cursor NUMBER, or null.
const Resource* FirstImage(const ResourceFile& file, uint16_t number) {
    const Resource* group = file.Find(ResourceId::ParseType("GROUP_CURSOR"), number);
    if (group == nullptr) return nullptr;
    uint16_t imageNumber = FirstImageNumber(*group);
    const Resource* image = file.Find(ResourceId::ParseType("CURSOR"), imageNumber);
    if (image == nullptr)
        throw std::runtime_error("group cursor " + std::to_string(number) + ": no cursor image " +
                                 std::to_string(imageNumber));
    return image;
}

}  // namespace

std::optional<CursorImage> ReadCursor(const ResourceFile& file, uint16_t number) {
    const Resource* image = FirstImage(file, number);
    if (image == nullptr) return std::nullopt;
    return ReadImage(*image);
}

std::optional<CursorBitmap> ReadCursorBitmap(const ResourceFile& file, uint16_t number) {
    const Resource* image = FirstImage(file, number);
    if (image == nullptr) return std::nullopt;
    CursorBitmap bitmap;
    bitmap.image = ReadImage(*image);
    bitmap.pixels = ReadPixels(*image, bitmap.image);
    return bitmap;
}

}  // namespace emulator
