#include "emulator/models/resources/elf_section.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "emulator/common/safe_file.h"

namespace emulator {
namespace {

template <typename T>
T ReadAt(std::string_view file, uint64_t offset) {
    if (offset > file.size() || file.size() - offset < sizeof(T))
        throw std::runtime_error("ELF file truncated");
    T value;
    std::memcpy(&value, file.data() + offset, sizeof(T));
    return value;
}

struct SectionHeader {
    uint32_t name;
    uint64_t offset;
    uint64_t size;
};

SectionHeader ReadSection(std::string_view file, uint64_t tableOffset, uint16_t entrySize,
                          uint16_t index) {
    uint64_t at = tableOffset + uint64_t{entrySize} * index;
    return {ReadAt<uint32_t>(file, at), ReadAt<uint64_t>(file, at + 24),
            ReadAt<uint64_t>(file, at + 32)};
}

std::string_view Slice(std::string_view file, uint64_t offset, uint64_t size) {
    if (offset > file.size() || file.size() - offset < size)
        throw std::runtime_error("ELF section runs past the end of the file");
    return file.substr(offset, size);
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(FilePath(path), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<std::string_view> FindElfSection(std::string_view file, std::string_view name) {
    if (ReadAt<uint8_t>(file, 4) != 2 || ReadAt<uint8_t>(file, 5) != 1)
        throw std::runtime_error("not a 64-bit little-endian ELF file");
    uint64_t tableOffset = ReadAt<uint64_t>(file, 0x28);
    uint16_t entrySize = ReadAt<uint16_t>(file, 0x3A);
    uint16_t count = ReadAt<uint16_t>(file, 0x3C);
    uint16_t namesIndex = ReadAt<uint16_t>(file, 0x3E);
    if (namesIndex >= count) throw std::runtime_error("ELF file has no section names");

    SectionHeader namesHeader = ReadSection(file, tableOffset, entrySize, namesIndex);
    std::string_view names = Slice(file, namesHeader.offset, namesHeader.size);
    for (uint16_t i = 0; i < count; ++i) {
        SectionHeader section = ReadSection(file, tableOffset, entrySize, i);
        if (section.name >= names.size()) continue;
        std::string_view sectionName = names.substr(section.name);
        sectionName = sectionName.substr(0, sectionName.find('\0'));
        if (sectionName == name) return Slice(file, section.offset, section.size);
    }
    return std::nullopt;
}

}  // namespace emulator
