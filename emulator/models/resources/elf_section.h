// Just enough of the ELF format to find a section of a 64-bit little-endian library.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace emulator {

// Throws std::runtime_error naming PATH when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// The bytes of the section NAME, or nothing when the file has no such section. Throws
// std::runtime_error when the file is not a well-formed 64-bit ELF file.
std::optional<std::string_view> FindElfSection(std::string_view file, std::string_view name);

}  // namespace emulator
