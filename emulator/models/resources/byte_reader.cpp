#include "emulator/models/resources/byte_reader.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace emulator {

ByteReader::ByteReader(std::string_view bytes, std::string what)
    : bytes_(bytes), what_(std::move(what)) {}

ByteReader::ByteReader(const std::vector<unsigned char>& bytes, std::string what)
    : ByteReader(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                 std::move(what)) {}

void ByteReader::Seek(size_t pos) {
    if (pos > bytes_.size()) Fail("entry runs past the end");
    pos_ = pos;
}

void ByteReader::AlignTo4() {
    pos_ = std::min((pos_ + 3) & ~size_t{3}, bytes_.size());
}

std::string_view ByteReader::Take(size_t count) {
    if (count > Remaining()) Fail("runs past the end");
    std::string_view taken = bytes_.substr(pos_, count);
    pos_ += count;
    return taken;
}

uint16_t ByteReader::U16() {
    std::string_view two = Take(2);
    return static_cast<uint16_t>(static_cast<unsigned char>(two[0]) |
                                 static_cast<unsigned char>(two[1]) << 8);
}

uint32_t ByteReader::U32() {
    uint32_t low = U16();
    return low | static_cast<uint32_t>(U16()) << 16;
}

uint16_t ByteReader::U16BigEndian() {
    std::string_view bytes = Take(2);
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[0]) << 8 |
                                 static_cast<unsigned char>(bytes[1]));
}

uint32_t ByteReader::U32BigEndian() {
    uint32_t value = 0;
    for (char byte : Take(4)) value = value << 8 | static_cast<unsigned char>(byte);
    return value;
}

std::u16string ByteReader::Utf16UntilZero() {
    std::u16string text;
    for (uint16_t unit = U16(); unit != 0; unit = U16()) text += static_cast<char16_t>(unit);
    return text;
}

void ByteReader::Fail(const std::string& what) const {
    throw std::runtime_error("malformed " + what_ + " at offset " + std::to_string(pos_) + ": " +
                             what);
}

}  // namespace emulator
