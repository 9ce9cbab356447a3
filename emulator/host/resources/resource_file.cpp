#include "emulator/host/resources/resource_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <stdexcept>

#include "emulator/host/resources/elf_section.h"

namespace host {
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

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    size_t Position() const { return pos_; }
    void Seek(size_t pos) {
        if (pos > bytes_.size()) Fail("entry runs past the end");
        pos_ = pos;
    }
    uint16_t U16() {
        std::string_view two = Take(2);
        return static_cast<uint16_t>(static_cast<unsigned char>(two[0]) |
                                     static_cast<unsigned char>(two[1]) << 8);
    }
    uint32_t U32() {
        uint32_t low = U16();
        return low | static_cast<uint32_t>(U16()) << 16;
    }
    ResourceId Id() {
        ResourceId id;
        uint16_t first = U16();
        if (first == 0xFFFF) {
            id.number = U16();
            return id;
        }
        for (uint16_t unit = first; unit != 0; unit = U16()) AppendUtf8(id.text, unit);
        return id;
    }
    // Entries are padded to four bytes; the last one may end the file unpadded.
    void AlignTo4() { pos_ = std::min((pos_ + 3) & ~size_t{3}, bytes_.size()); }
    std::string_view Take(size_t count) {
        if (count > bytes_.size() - pos_) Fail("runs past the end");
        std::string_view taken = bytes_.substr(pos_, count);
        pos_ += count;
        return taken;
    }
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("malformed .res at offset " + std::to_string(pos_) + ": " + what);
    }

  private:
    static void AppendUtf8(std::string& out, uint16_t unit) {
        if (unit < 0x80) {
            out += static_cast<char>(unit);
        } else if (unit < 0x800) {
            out += static_cast<char>(0xC0 | (unit >> 6));
            out += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (unit >> 12));
            out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }

    std::string_view bytes_;
    size_t pos_ = 0;
};

Resource ReadEntry(Reader& reader) {
    size_t start = reader.Position();
    uint32_t dataSize = reader.U32();
    uint32_t headerSize = reader.U32();
    Resource resource;
    resource.type = reader.Id();
    resource.name = reader.Id();
    reader.AlignTo4();
    reader.U32();  // data version
    reader.U16();  // memory flags
    resource.language = reader.U16();
    reader.Seek(start + headerSize);
    std::string_view data = reader.Take(dataSize);
    resource.data.assign(data.begin(), data.end());
    reader.AlignTo4();
    return resource;
}

bool StartsWithElfMagic(std::string_view bytes) {
    return bytes.size() >= 4 && bytes.substr(0, 4) ==
                                    "\x7f"
                                    "ELF";
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
    Reader reader(bytes);
    while (!reader.AtEnd()) {
        Resource resource = ReadEntry(reader);
        // The file opens with an empty entry of type 0 that only marks the format.
        if (resource.type.number == uint16_t{0} && resource.data.empty()) continue;
        file.resources_.push_back(std::move(resource));
    }
    return file;
}

const Resource* ResourceFile::Find(const ResourceId& type, uint16_t number) const {
    for (const Resource& resource : resources_)
        if (resource.type == type && resource.name.number == number) return &resource;
    return nullptr;
}

ResourceFile LoadPluginResources(const std::string& path) {
    std::string bytes = ReadWholeFile(path);
    if (!StartsWithElfMagic(bytes)) return ResourceFile::Parse(bytes);
    std::optional<std::string_view> section = FindElfSection(bytes, ".ortaq_resources");
    if (!section) throw std::runtime_error(path + " carries no resources");
    return ResourceFile::Parse(*section);
}

}  // namespace host
