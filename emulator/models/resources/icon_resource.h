// Icon resources: a group icon (GROUP_ICON) lists its images, each an ICON resource; a
// viewer or a page opens them as one .ico file.
#pragma once

#include <cstdint>
#include <optional>

#include "emulator/models/resources/picture_resource.h"
#include "emulator/models/resources/resource_file.h"

namespace emulator {

// The .ico file of the group icon NUMBER with every image it lists, or nothing when the
// file has no such group. Throws std::runtime_error when the group is malformed or one of
// its images is missing.
std::optional<Picture> ReadIconFile(const ResourceFile& file, uint16_t number);

}  // namespace emulator
