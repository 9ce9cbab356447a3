// The same bytes as a BITMAP and as a PNG resource: each reader makes a picture of the size
// it reports, or refuses the data with a std::runtime_error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "emulator/models/resources/picture_resource.h"

namespace {

void Read(emulator::Picture (*reader)(const std::vector<unsigned char>&),
          const std::vector<unsigned char>& bytes) {
    try {
        emulator::Picture picture = reader(bytes);
        if (picture.width == 0 || picture.height == 0 || picture.file.empty()) std::abort();
    } catch (const std::runtime_error&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<unsigned char> bytes(data, data + size);
    Read(emulator::ReadBitmapResource, bytes);
    Read(emulator::ReadPngResource, bytes);
    return 0;
}
