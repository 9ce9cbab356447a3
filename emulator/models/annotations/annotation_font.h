// The host's annotation font (kHostAnnotationDefaultFont): DejaVu Sans at 11 pixels, from
// Debian's fonts-dejavu-core, measured with FreeType on Linux and, on Windows, from the font
// file's own tables with FreeType's arithmetic (the same numbers). A text is as wide as
// its glyphs' unhinted advances added up (no kerning), rounded up to a whole pixel, and as
// high as the font's ascender above the baseline plus its descender below it, rounded
// outwards to whole pixels at that size (11 + 3 = 14 pixels).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace emulator {

struct TextExtent {
    int32_t width = 0;
    int32_t height = 0;
};

class AnnotationFont {
  public:
    static constexpr const char* kPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    static constexpr const char* kFamily = "DejaVu Sans";
    static constexpr int kPixelSize = 11;

    // The font at kPath, opened on first use. Throws std::runtime_error naming the file and
    // its package when it cannot be opened or read. Under Wine the path is the same: it
    // names the Unix root's drive.
    static const AnnotationFont& Default();

    // The font of the file PATH at kPixelSize; throws as Default does.
    explicit AnnotationFont(const std::string& path);
    ~AnnotationFont();

    TextExtent Measure(std::u32string_view text) const;
    // Whole pixels above the baseline, and below it.
    int32_t Ascender() const { return ascender_; }
    int32_t Descender() const { return descender_; }

  private:
    struct Face;  // what each system measures with
    std::unique_ptr<Face> face_;
    int32_t ascender_ = 0;
    int32_t descender_ = 0;
};

}  // namespace emulator
