#include "emulator/core/suites/lookup.h"

#include <cstring>

#include "emulator/common/text_encoding.h"

namespace emulator {

HostErr CopyOut(const std::string& text, char* buffer, uint32_t size) {
    if (buffer == nullptr || size == 0) return kHostErrBadParameter;
    std::string encoded = Utf8ToCp1252(text).value_or("?");
    size_t length = std::min<size_t>(encoded.size(), size - 1);
    std::memcpy(buffer, encoded.data(), length);
    buffer[length] = '\0';
    return kHostNoError;
}

}  // namespace emulator
