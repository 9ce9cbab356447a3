// A property list (PIPL): its name is found, or nothing, whatever the bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "emulator/models/resources/property_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    emulator::PropertyListName(std::vector<unsigned char>(data, data + size));
    return 0;
}
