// Cursor resources: a group cursor (GROUP_CURSOR) lists its images, each a CURSOR resource
// that opens with the image's hot spot.
#pragma once

#include <cstdint>
#include <optional>

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

}  // namespace emulator
