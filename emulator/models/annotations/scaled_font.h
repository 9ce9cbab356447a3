// A TrueType font's own tables measured at a pixel size with FreeType's fixed-point
// arithmetic, step for step: the Windows build, which has no FreeType, measures the
// annotation font with this and gets FreeType's numbers (the tests hold it to them).
#pragma once

#include <cstdint>
#include <string_view>

#include "emulator/models/annotations/true_type_font.h"

namespace emulator {

class ScaledFont {
  public:
    ScaledFont(TrueTypeFont font, int pixelSize);

    // The glyphs' unhinted advances added up (no kerning), rounded up to a whole pixel.
    int32_t Width(std::u32string_view text) const;
    // Whole pixels above the baseline, and below it, rounded outwards.
    int32_t Ascender() const { return ascender_; }
    int32_t Descender() const { return descender_; }

  private:
    TrueTypeFont font_;
    int64_t scale_ = 0;  // font units to pixels, 16.16
    int32_t ascender_ = 0;
    int32_t descender_ = 0;
};

}  // namespace emulator
