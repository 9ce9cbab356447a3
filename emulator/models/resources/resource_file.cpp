#include "emulator/models/resources/resource_file.h"

#include <array>
#include <charconv>
#include <stdexcept>

#include "emulator/common/text_encoding.h"
#include "emulator/models/resources/byte_reader.h"

namespace emulator {
namespace {

constexpr std::array<std::pair<uint16_t, const char*>, 11> kStandardTypes = {{
    {1, "CURSOR"},
    {2, "BITMAP"},
    {3, "ICON"},
    {4, "MENU"},
    {5, "DIALOG"},
    {6, "STRING"},
    {10, "RCDATA"},
    {12, "GROUP_CURSOR"},
    {14, "GROUP_ICON"},
    {16, "VERSION"},
    {24, "MANIFEST"},
}};

ResourceId ReadId(ByteReader& reader) {
    ResourceId id;
    uint16_t first = reader.U16();
    if (first == 0xFFFF) {
        id.number = reader.U16();
        return id;
    }
    reader.Seek(reader.Position() - 2);  // the first unit belongs to the name
    id.text = Utf16ToUtf8(reader.Utf16UntilZero());
    return id;
}

Resource ReadEntry(ByteReader& reader) {
    size_t start = reader.Position();
    uint32_t dataSize = reader.U32();
    uint32_t headerSize = reader.U32();
    Resource resource;
    resource.type = ReadId(reader);
    resource.name = ReadId(reader);
    reader.AlignTo4();
    reader.U32();  // data version
    reader.U16();  // memory flags
    resource.language = reader.U16();
    // A header shorter than its own fields would start the next entry where this one
    // started, and reading would never end.
    if (headerSize < reader.Position() - start)
        reader.Fail("a header of " + std::to_string(headerSize) + " bytes is shorter than its " +
                    std::to_string(reader.Position() - start) + " bytes of fields");
    reader.Seek(start + headerSize);
    std::string_view data = reader.Take(dataSize);
    resource.data.assign(data.begin(), data.end());
    reader.AlignTo4();  // entries are padded to four bytes; the last may end the file unpadded
    return resource;
}

}  // namespace

std::string ResourceId::TypeName() const {
    if (!number) return text;
    for (const auto& [id, name] : kStandardTypes)
        if (id == *number) return name;
    return std::to_string(*number);
}

ResourceId ResourceId::ParseType(std::string_view word) {
    for (const auto& [id, name] : kStandardTypes)
        if (word == name) return ResourceId{id, {}};
    uint16_t number = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (ec == std::errc() && end == word.data() + word.size()) return ResourceId{number, {}};
    return ResourceId{std::nullopt, std::string(word)};
}

ResourceFile ResourceFile::Parse(std::string_view bytes) {
    ResourceFile file;
    ByteReader reader(bytes, ".res");
    while (!reader.AtEnd()) {
        Resource resource = ReadEntry(reader);
        // The file opens with an empty entry of type 0 that only marks the format.
        if (resource.type.number == uint16_t{0} && resource.data.empty()) continue;
        file.resources_.push_back(std::move(resource));
    }
    return file;
}

ResourceFile ResourceFile::FromResources(std::vector<Resource> resources) {
    ResourceFile file;
    file.resources_ = std::move(resources);
    return file;
}

const Resource* ResourceFile::Find(const ResourceId& type, uint16_t number) const {
    for (const Resource& resource : resources_)
        if (resource.type == type && resource.name.number == number) return &resource;
    return nullptr;
}

}  // namespace emulator
