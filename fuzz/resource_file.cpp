// A .res file, and each resource in it through the reader the host uses for its type: every
// one reads, or is refused with a std::runtime_error.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "emulator/models/resources/cursor_resource.h"
#include "emulator/models/resources/dialog_resource.h"
#include "emulator/models/resources/menu_resource.h"
#include "emulator/models/resources/picture_resource.h"
#include "emulator/models/resources/property_list.h"
#include "emulator/models/resources/resource_file.h"

namespace {

using emulator::Resource;
using emulator::ResourceFile;

void ReadAs(const ResourceFile& file, const Resource& resource) {
    std::string type = resource.type.TypeName();
    if (type == "MENU") {
        emulator::ParseMenuResource(resource.data);
    } else if (type == "DIALOG") {
        emulator::ParseDialogResource(resource.data);
    } else if (type == "BITMAP" || type == "PNG") {
        emulator::ReadPictureResource(resource);
    } else if (type == "PIPL") {
        emulator::PropertyListName(resource.data);
    } else if (type == "GROUP_CURSOR" && resource.name.number) {
        emulator::ReadCursorBitmap(file, *resource.name.number);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResourceFile file;
    try {
        file = ResourceFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const std::runtime_error&) {
        return 0;
    }
    for (const Resource& resource : file.All()) {
        try {
            ReadAs(file, resource);
        } catch (const std::runtime_error&) {
        }
    }
    return 0;
}
