#include "emulator/common/windows_text.h"

#include "emulator/common/text_encoding.h"

namespace emulator {

std::wstring WideText(const std::string& text) {
    std::u16string units = Utf8ToUtf16(text);
    return std::wstring(units.begin(), units.end());
}

std::string SystemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0) return "error " + std::to_string(error);
    std::u16string units(buffer, buffer + length);
    LocalFree(buffer);
    while (!units.empty() &&
           (units.back() == u'\n' || units.back() == u'\r' || units.back() == u'.'))
        units.pop_back();
    return Utf16ToUtf8(units);
}

}  // namespace emulator
