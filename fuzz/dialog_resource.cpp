// A DIALOG template, standard or extended: read whole, or refused with a
// std::runtime_error.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "emulator/models/resources/dialog_resource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        emulator::ParseDialogResource(std::vector<unsigned char>(data, data + size));
    } catch (const std::runtime_error&) {
    }
    return 0;
}
