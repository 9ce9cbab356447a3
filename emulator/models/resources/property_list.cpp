#include "emulator/models/resources/property_list.h"

#include <cstdint>
#include <string_view>

namespace emulator {
namespace {

uint32_t ReadU32(const std::vector<unsigned char>& data, size_t at) {
    return data[at] | data[at + 1] << 8 | data[at + 2] << 16 |
           static_cast<uint32_t>(data[at + 3]) << 24;
}

}  // namespace

std::optional<std::string> PropertyListName(const std::vector<unsigned char>& data) {
    constexpr size_t kHeader = 10;    // 16-bit kind, 32-bit version, 32-bit count
    constexpr size_t kProperty = 16;  // vendor, key, number, length
    if (data.size() < kHeader) return std::nullopt;
    uint32_t count = ReadU32(data, 6);
    size_t at = kHeader;
    for (uint32_t i = 0; i < count; ++i) {
        if (data.size() - at < kProperty) return std::nullopt;
        std::string_view key(reinterpret_cast<const char*>(&data[at + 4]), 4);
        uint32_t length = ReadU32(data, at + 12);
        at += kProperty;
        if (data.size() - at < length) return std::nullopt;
        if (key == "mnip") {  // "pinm" stored reversed
            std::string name(reinterpret_cast<const char*>(&data[at]), length);
            return name.substr(0, name.find('\0'));
        }
        at += length;
    }
    return std::nullopt;
}

}  // namespace emulator
