// The plug-in speaks Windows-1252 and its compiled resources UTF-16; everything the emulator
// shows or writes is UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace emulator {

std::string Cp1252ToUtf8(std::string_view text);

// Nothing when TEXT holds a character Windows-1252 cannot encode or is not valid UTF-8.
std::optional<std::string> Utf8ToCp1252(std::string_view text);

// Whether TEXT is well-formed UTF-8: no overlong form, surrogate or code point past U+10FFFF.
bool IsUtf8(std::string_view text);

// TEXT with each byte that does not belong to a well-formed UTF-8 character replaced by
// U+FFFD, for bytes from outside (a file name) that must be shown as UTF-8.
std::string RepairUtf8(std::string_view text);

// The characters of TEXT, read as RepairUtf8 reads them.
std::u32string Utf8ToUtf32(std::string_view text);

// Surrogate pairs become one character; a surrogate without its pair becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// The UTF-16 the Windows API takes (file names): read as RepairUtf8 reads TEXT, a character
// past U+FFFF becomes a surrogate pair.
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace emulator
