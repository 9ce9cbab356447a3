#include "emulator/models/annotations/scaled_font.h"

namespace emulator {
namespace {

// Each step rounded to the nearest as FreeType rounds it, so that the advances come out as
// FreeType measures them to the last 1/65536 of a pixel.
int64_t RoundedDivide(int64_t a, int64_t b) {
    bool negative = (a < 0) != (b < 0);
    int64_t quotient = ((a < 0 ? -a : a) + (b < 0 ? -b : b) / 2) / (b < 0 ? -b : b);
    return negative ? -quotient : quotient;
}

// A / B in 16.16.
int64_t DivideFixed(int64_t a, int64_t b) {
    return RoundedDivide(a * 65536, b);
}

// A × B with B in 16.16.
int64_t MultiplyFixed(int64_t a, int64_t b) {
    return RoundedDivide(a * b, 65536);
}

}  // namespace

ScaledFont::ScaledFont(TrueTypeFont font, int pixelSize)
    : font_(std::move(font)), scale_(DivideFixed(pixelSize * 64, font_.UnitsPerEm())) {
    // 26.6 pixels, rounded outwards to whole ones.
    int64_t above = MultiplyFixed(font_.Ascender(), scale_);
    int64_t below = MultiplyFixed(font_.Descender(), scale_);
    ascender_ = static_cast<int32_t>((above + 63) >> 6);
    descender_ = -static_cast<int32_t>(below >> 6);
}

int32_t ScaledFont::Width(std::u32string_view text) const {
    int64_t advances = 0;  // 16.16 pixels
    for (char32_t c : text)
        advances += RoundedDivide(font_.AdvanceWidth(font_.GlyphIndex(c)) * scale_, 64);
    return static_cast<int32_t>((advances + 0xFFFF) >> 16);
}

}  // namespace emulator
