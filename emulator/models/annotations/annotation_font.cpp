#include "emulator/models/annotations/annotation_font.h"

#include <stdexcept>
#include <string>

#include "emulator/common/safe_file.h"

namespace emulator {
namespace {

// FreeType's fixed-point steps, each rounded to the nearest as FreeType rounds them, so that
// the advances come out as FreeType measures them to the last 1/65536 of a pixel.
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

TrueTypeFont OpenFont(const std::string& path) {
    const std::string what =
        "cannot open the annotation font " + path + ", which Debian's fonts-dejavu-core installs";
    std::optional<std::string> bytes;
    try {
        bytes = ReadFileIfPresent(path);
        if (bytes) return TrueTypeFont(std::move(*bytes));
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(what + " (" + error.what() + ")");
    }
    throw std::runtime_error(what + " (no such file)");
}

}  // namespace

AnnotationFont::AnnotationFont(const std::string& path)
    : font_(OpenFont(path)), scale_(DivideFixed(kPixelSize * 64, font_.UnitsPerEm())) {
    // 26.6 pixels, rounded outwards to whole ones.
    int64_t above = MultiplyFixed(font_.Ascender(), scale_);
    int64_t below = MultiplyFixed(font_.Descender(), scale_);
    ascender_ = static_cast<int32_t>((above + 63) >> 6);
    descender_ = -static_cast<int32_t>(below >> 6);
}

const AnnotationFont& AnnotationFont::Default() {
    // A failed opening leaves nothing behind: the next use tries again.
    static const AnnotationFont font(kPath);
    return font;
}

TextExtent AnnotationFont::Measure(std::u32string_view text) const {
    int64_t advances = 0;  // 16.16 pixels
    for (char32_t c : text)
        advances += RoundedDivide(font_.AdvanceWidth(font_.GlyphIndex(c)) * scale_, 64);
    return {static_cast<int32_t>((advances + 0xFFFF) >> 16), ascender_ + descender_};
}

}  // namespace emulator
