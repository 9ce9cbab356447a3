// The plug-in property list (resource "PIPL"): what the host reads before loading code.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace emulator {

// The plug-in's name (the "pinm" property), or nothing when the list has none or is
// malformed.
std::optional<std::string> PropertyListName(const std::vector<unsigned char>& data);

}  // namespace emulator
