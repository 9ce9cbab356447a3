#include "emulator/common/text_encoding.h"

#include <array>
#include <cstdint>

namespace emulator {
namespace {

// Code points of bytes 0x80 to 0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kReplacementCharacter = 0xFFFD;

char32_t DecodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        char32_t mapped = kHighControls[byte - 0x80];
        return mapped != 0 ? mapped : byte;  // undefined bytes keep their C1 code point
    }
    return byte;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads one UTF-8 character at text[i], advancing i; nothing when the bytes there are not
// one: a stray or cut-short sequence, an overlong form (C0 A2 for '"'), a surrogate or a code
// point past U+10FFFF.
std::optional<char32_t> NextCodePoint(std::string_view text, size_t& i) {
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};  // by continuation bytes
    auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF8 ? -1 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + extra > text.size()) return std::nullopt;
    char32_t c = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        auto next = static_cast<unsigned char>(text[i++]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return std::nullopt;
    return c;
}

std::optional<char> EncodeCodePoint(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return static_cast<char>(c);
    for (size_t k = 0; k < kHighControls.size(); ++k)
        if (kHighControls[k] == c) return static_cast<char>(0x80 + k);
    return std::nullopt;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

// Reads one UTF-16 character at text[i], advancing i.
char32_t NextUtf16CodePoint(std::u16string_view text, size_t& i) {
    char16_t unit = text[i++];
    if (IsHighSurrogate(unit) && i < text.size() && IsLowSurrogate(text[i]))
        return 0x10000 + ((unit - 0xD800) << 10) + (text[i++] - 0xDC00);
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) return kReplacementCharacter;
    return unit;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char byte : text) AppendUtf8(out, DecodeByte(static_cast<unsigned char>(byte)));
    return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        auto c = NextCodePoint(text, i);
        if (!c) return std::nullopt;
        auto byte = EncodeCodePoint(*c);
        if (!byte) return std::nullopt;
        out += *byte;
    }
    return out;
}

bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();)
        if (!NextCodePoint(text, i)) return false;
    return true;
}

std::string RepairUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t start = i;
        if (NextCodePoint(text, i)) {
            out.append(text.substr(start, i - start));
        } else {
            AppendUtf8(out, kReplacementCharacter);
            i = start + 1;
        }
    }
    return out;
}

std::u32string Utf8ToUtf32(std::string_view text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        size_t start = i;
        std::optional<char32_t> c = NextCodePoint(text, i);
        if (!c) i = start + 1;
        out += c.value_or(kReplacementCharacter);
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) AppendUtf8(out, NextUtf16CodePoint(text, i));
    return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    for (char32_t c : Utf8ToUtf32(text)) {
        if (c <= 0xFFFF) {
            out += static_cast<char16_t>(c);
        } else {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        }
    }
    return out;
}

}  // namespace emulator
