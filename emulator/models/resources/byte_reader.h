// Reads binary resource data that cannot be trusted: every read is bounds-checked, and a
// failure says what was being read and where.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace emulator {

class ByteReader {
  public:
    // WHAT names the data in error messages ("malformed WHAT at offset N: ...").
    ByteReader(std::string_view bytes, std::string what);
    ByteReader(const std::vector<unsigned char>& bytes, std::string what);

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    size_t Position() const { return pos_; }
    size_t Remaining() const { return bytes_.size() - pos_; }
    void Seek(size_t pos);
    // Moves to the next multiple of four, or to the end when that lies beyond it.
    void AlignTo4();
    std::string_view Take(size_t count);

    uint16_t U16();  // little-endian, as Windows stores them
    uint32_t U32();
    uint16_t U16BigEndian();  // as font files store them
    uint32_t U32BigEndian();
    // UTF-16 code units up to a terminating zero, which is read but not returned.
    std::u16string Utf16UntilZero();

    // Throws std::runtime_error naming the data, the current offset and WHAT went wrong.
    [[noreturn]] void Fail(const std::string& what) const;

  private:
    std::string_view bytes_;
    std::string what_;
    size_t pos_ = 0;
};

}  // namespace emulator
