// Cursor resources: a group cursor (GROUP_CURSOR) lists its images, each a CURSOR resource
// that opens with the image's hot spot.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "emulator/models/resources/resource_file.h"

namespace emulator {

struct CursorImage {
    uint16_t hotSpotX = 0;  // pixels from the image's left edge
    uint16_t hotSpotY = 0;  // pixels from its top edge
    uint32_t width = 0;
    uint32_t height = 0;
};

// The first image of the group cursor NUMBER, or nothing when the file has no such group.
// Throws std::runtime_error when the group or its image is malformed or missing.
std::optional<CursorImage> ReadCursor(const ResourceFile& file, uint16_t number);

// What a cursor's pixel shows: the screen under it, black, white, or the screen inverted.
enum class CursorPixel : uint8_t { kTransparent, kBlack, kWhite, kInverted };

// A cursor's image with its pixels, to picture it.
struct CursorBitmap {
    CursorImage image;
    std::vector<CursorPixel> pixels;  // row by row from the top, IMAGE.width a row

    CursorPixel At(uint32_t x, uint32_t y) const { return pixels[y * image.width + x]; }
};

// ReadCursor's image with its pixels. Throws std::runtime_error as ReadCursor does, and for
// an image that is not monochrome (one bit a pixel, as every cursor of the plug-in).
std::optional<CursorBitmap> ReadCursorBitmap(const ResourceFile& file, uint16_t number);

}  // namespace emulator
