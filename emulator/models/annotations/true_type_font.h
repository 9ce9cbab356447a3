// What a TrueType font file says of a text's width and a line's height, in font units: the
// Unicode character map, the glyphs' advance widths and the line's ascender and descender.
// Read by the emulator itself so that every system measures with the same numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace emulator {

class TrueTypeFont {
  public:
    // Throws std::runtime_error "malformed font at offset N: ..." for a file that is not a
    // TrueType font, lacks a table or a Unicode map of format 4 or 12.
    explicit TrueTypeFont(std::string bytes);

    uint16_t UnitsPerEm() const { return unitsPerEm_; }
    int16_t Ascender() const { return ascender_; }    // above the baseline
    int16_t Descender() const { return descender_; }  // below it: negative

    // The glyph of C, or 0 (the missing glyph) when the font has none.
    uint16_t GlyphIndex(char32_t c) const;
    // GLYPH's advance width; a glyph past the metrics' table has the last one's.
    uint16_t AdvanceWidth(uint16_t glyph) const;

  private:
    // Characters FIRST to LAST map to consecutive glyphs from GLYPH.
    struct Range {
        char32_t first;
        char32_t last;
        uint32_t glyph;
    };

    std::string bytes_;
    uint16_t unitsPerEm_ = 0;
    int16_t ascender_ = 0;
    int16_t descender_ = 0;
    uint16_t glyphCount_ = 0;
    std::vector<uint16_t> advances_;
    std::vector<Range> ranges_;  // sorted, disjoint

    void ReadCharacterMap(size_t offset);
    void ReadFormat4(size_t offset);
    void ReadFormat12(size_t offset);
    void AddRange(char32_t first, char32_t last, uint32_t glyph);
};

}  // namespace emulator
