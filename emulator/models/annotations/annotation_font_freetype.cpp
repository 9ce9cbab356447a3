// The annotation font measured with FreeType, from Debian's packages (the Linux build).
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <stdexcept>
#include <string>

#include "emulator/models/annotations/annotation_font.h"

namespace emulator {
namespace {

void Require(FT_Error error, const std::string& what) {
    if (error != 0)
        throw std::runtime_error(what + " (FreeType error " + std::to_string(error) + ")");
}

// FreeType's 26.6 fixed point, whole pixels.
int32_t Pixels26Dot6(FT_Pos value) {
    return static_cast<int32_t>(value / 64);
}

}  // namespace

struct AnnotationFont::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~Face() {
        if (face != nullptr) FT_Done_Face(face);
        if (library != nullptr) FT_Done_FreeType(library);
    }
};

AnnotationFont::AnnotationFont(const std::string& path) : face_(std::make_unique<Face>()) {
    Require(FT_Init_FreeType(&face_->library), "cannot start FreeType");
    Require(
        FT_New_Face(face_->library, path.c_str(), 0, &face_->face),
        "cannot open the annotation font " + path + ", which Debian's fonts-dejavu-core installs");
    Require(FT_Set_Pixel_Sizes(face_->face, 0, kPixelSize),
            "cannot size the annotation font " + path);
    // For a scalable font FreeType rounds these outwards to whole pixels.
    const FT_Size_Metrics& metrics = face_->face->size->metrics;
    ascender_ = Pixels26Dot6(metrics.ascender);
    descender_ = -Pixels26Dot6(metrics.descender);
}

AnnotationFont::~AnnotationFont() = default;

TextExtent AnnotationFont::Measure(std::u32string_view text) const {
    FT_Fixed advances = 0;  // 16.16 pixels
    for (char32_t c : text) {
        FT_UInt glyph = FT_Get_Char_Index(face_->face, c);  // 0, the missing glyph's box
        FT_Fixed advance = 0;
        Require(FT_Get_Advance(face_->face, glyph, FT_LOAD_NO_HINTING, &advance),
                "cannot measure a glyph of the annotation font");
        advances += advance;
    }
    return {static_cast<int32_t>((advances + 0xFFFF) >> 16), ascender_ + descender_};
}

}  // namespace emulator
