// A plug-in library as the host looks for its resources: the section found must lie within
// the file, or the file is refused with a std::runtime_error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "emulator/models/resources/elf_section.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view file(reinterpret_cast<const char*>(data), size);
    try {
        std::optional<std::string_view> section =
            emulator::FindElfSection(file, ".ortaq_resources");
        if (section && (section->data() < file.data() ||
                        section->data() + section->size() > file.data() + file.size()))
            std::abort();
    } catch (const std::runtime_error&) {
    }
    return 0;
}
