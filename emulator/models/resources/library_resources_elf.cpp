// The resources of a Linux library: the .res bytes its section ".ortaq_resources" carries.
#include <stdexcept>

#include "emulator/models/resources/elf_section.h"
#include "emulator/models/resources/resource_file.h"

namespace emulator {
namespace {

bool StartsWithElfMagic(std::string_view bytes) {
    return bytes.size() >= 4 && bytes.substr(0, 4) ==
                                    "\x7f"
                                    "ELF";
}

}  // namespace

ResourceFile LoadPluginResources(const std::string& path) {
    std::string bytes = ReadWholeFile(path);
    if (!StartsWithElfMagic(bytes)) return ResourceFile::Parse(bytes);
    std::optional<std::string_view> section = FindElfSection(bytes, ".ortaq_resources");
    if (!section) throw std::runtime_error(path + " carries no resources");
    return ResourceFile::Parse(*section);
}

}  // namespace emulator
