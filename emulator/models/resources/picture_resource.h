// Picture resources (BITMAP, PNG): their size, and the standalone file a viewer opens or a
// page embeds as a data URI.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "emulator/models/resources/resource_file.h"

namespace emulator {

struct Picture {
    uint32_t width = 0;
    uint32_t height = 0;
    std::string mimeType;             // "image/bmp" or "image/png"
    std::vector<unsigned char> file;  // the complete file of that type
};

// A BITMAP resource: a device-independent bitmap (BITMAPINFOHEADER, colour table, pixels)
// without the .bmp file header, which the file gets back. Throws std::runtime_error when
// DATA is malformed or compressed.
Picture ReadBitmapResource(const std::vector<unsigned char>& data);

// A PNG resource holds the PNG file itself. Throws std::runtime_error when DATA is not a
// well-formed PNG file (structure and checksums; the pixels are not decoded).
Picture ReadPngResource(const std::vector<unsigned char>& data);

// A BITMAP or PNG resource, by its type. Throws std::runtime_error for any other type.
Picture ReadPictureResource(const Resource& resource);

}  // namespace emulator
