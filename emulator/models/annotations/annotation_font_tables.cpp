// The annotation font where no FreeType is at hand (the Windows build): the font file's own
// tables, measured as FreeType measures them.
#include <optional>
#include <stdexcept>
#include <string>

#include "emulator/common/safe_file.h"
#include "emulator/models/annotations/annotation_font.h"
#include "emulator/models/annotations/scaled_font.h"

namespace emulator {
namespace {

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

struct AnnotationFont::Face {
    ScaledFont font;
};

AnnotationFont::AnnotationFont(const std::string& path)
    : face_(std::make_unique<Face>(Face{ScaledFont(OpenFont(path), kPixelSize)})) {
    ascender_ = face_->font.Ascender();
    descender_ = face_->font.Descender();
}

AnnotationFont::~AnnotationFont() = default;

TextExtent AnnotationFont::Measure(std::u32string_view text) const {
    return {face_->font.Width(text), ascender_ + descender_};
}

}  // namespace emulator
