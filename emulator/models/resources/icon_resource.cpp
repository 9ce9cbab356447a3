#include "emulator/models/resources/icon_resource.h"

#include <string>
#include <vector>

#include "emulator/models/resources/byte_reader.h"

namespace emulator {
namespace {

constexpr uint16_t kIconGroupType = 1;
constexpr size_t kFileHeaderSize = 6;
constexpr size_t kFileEntrySize = 16;

// One image as the group lists it: its first twelve bytes are the .ico entry's too, which
// then gives the image's offset in the file where the group gives its resource number.
struct GroupEntry {
    std::string_view description;  // width, height, colours, reserved, planes, bits, size
    const Resource* image = nullptr;
};

void PutU16(std::vector<unsigned char>& out, uint32_t value) {
    out.push_back(static_cast<unsigned char>(value & 0xff));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xff));
}

void PutU32(std::vector<unsigned char>& out, uint32_t value) {
    PutU16(out, value & 0xffff);
    PutU16(out, value >> 16);
}

std::vector<GroupEntry> ReadGroup(const ResourceFile& file, const Resource& group) {
    ByteReader reader(group.data, "group icon");
    reader.U16();  // reserved
    if (reader.U16() != kIconGroupType) reader.Fail("not a group of icons");
    uint16_t count = reader.U16();
    if (count == 0) reader.Fail("no image");
    std::vector<GroupEntry> entries;
    for (uint16_t k = 0; k < count; ++k) {
        GroupEntry entry;
        entry.description = reader.Take(12);
        uint16_t number = reader.U16();
        entry.image = file.Find(ResourceId::ParseType("ICON"), number);
        if (entry.image == nullptr)
            reader.Fail("image ICON " + std::to_string(number) + " missing");
        entries.push_back(entry);
    }
    return entries;
}

}  // namespace

std::optional<Picture> ReadIconFile(const ResourceFile& file, uint16_t number) {
    const Resource* group = file.Find(ResourceId::ParseType("GROUP_ICON"), number);
    if (group == nullptr) return std::nullopt;
    std::vector<GroupEntry> entries = ReadGroup(file, *group);
    Picture icon;
    icon.mimeType = "image/x-icon";
    PutU16(icon.file, 0);
    PutU16(icon.file, kIconGroupType);
    PutU16(icon.file, static_cast<uint32_t>(entries.size()));
    auto offset = static_cast<uint32_t>(kFileHeaderSize + kFileEntrySize * entries.size());
    for (const GroupEntry& entry : entries) {
        icon.file.insert(icon.file.end(), entry.description.begin(), entry.description.end());
        // The size the group gives is the image's own; the file's entry must say the same.
        icon.file.resize(icon.file.size() - 4);
        PutU32(icon.file, static_cast<uint32_t>(entry.image->data.size()));
        PutU32(icon.file, offset);
        offset += static_cast<uint32_t>(entry.image->data.size());
    }
    for (const GroupEntry& entry : entries)
        icon.file.insert(icon.file.end(), entry.image->data.begin(), entry.image->data.end());
    // The first image's size, as the group states it (0 means 256).
    auto side = [](unsigned char byte) { return byte == 0 ? 256u : uint32_t{byte}; };
    icon.width = side(static_cast<unsigned char>(entries.front().description[0]));
    icon.height = side(static_cast<unsigned char>(entries.front().description[1]));
    return icon;
}

}  // namespace emulator
