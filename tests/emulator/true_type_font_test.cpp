// The Windows build reads the annotation font's tables itself (no FreeType there); FreeType
// is the reference it must agree with, for every character and every glyph of the font.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <stdexcept>
#include <string>

#include "emulator/common/safe_file.h"
#include "emulator/models/annotations/annotation_font.h"
#include "emulator/models/annotations/scaled_font.h"
#include "emulator/models/annotations/true_type_font.h"

namespace {

class FontAgainstFreeType : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(FT_Init_FreeType(&library_), 0);
        ASSERT_EQ(FT_New_Face(library_, emulator::AnnotationFont::kPath, 0, &face_), 0);
        ASSERT_EQ(FT_Set_Pixel_Sizes(face_, 0, emulator::AnnotationFont::kPixelSize), 0);
    }
    void TearDown() override {
        if (face_ != nullptr) FT_Done_Face(face_);
        if (library_ != nullptr) FT_Done_FreeType(library_);
    }

    const emulator::TrueTypeFont font_{
        *emulator::ReadFileIfPresent(emulator::AnnotationFont::kPath)};
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

TEST_F(FontAgainstFreeType, EveryCharacterMapsToTheSameGlyph) {
    int mapped = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        FT_UInt expected = FT_Get_Char_Index(face_, c);
        ASSERT_EQ(font_.GlyphIndex(c), expected) << "U+" << std::hex << uint32_t(c);
        if (expected != 0) ++mapped;
    }
    EXPECT_GT(mapped, 5000);  // the font's real map was read, not an empty one
}

TEST_F(FontAgainstFreeType, EveryGlyphAdvancesAsFar) {
    for (FT_UInt glyph = 0; glyph < FT_UInt(face_->num_glyphs); ++glyph) {
        FT_Fixed expected = 0;
        ASSERT_EQ(FT_Get_Advance(face_, glyph, FT_LOAD_NO_SCALE, &expected), 0);
        ASSERT_EQ(font_.AdvanceWidth(uint16_t(glyph)), expected) << "glyph " << glyph;
    }
}

// Whole pixels, from each glyph's advance in 1/65536 pixel: one unit of rounding off in any
// glyph shows once a text repeats it enough.
TEST_F(FontAgainstFreeType, TextsAreAsWideAndLinesAsHighAsFreeTypeMeasuresThem) {
    const emulator::ScaledFont scaled(font_, emulator::AnnotationFont::kPixelSize);
    for (char32_t c : std::u32string(U"A a,.0123456789mW\u00C0\u20AC\u2212\U0001D400")) {
        FT_Fixed advance = 0;
        ASSERT_EQ(FT_Get_Advance(face_, FT_Get_Char_Index(face_, c), FT_LOAD_NO_HINTING, &advance),
                  0);
        for (int repeat : {1, 7, 1000}) {
            std::u32string text(size_t(repeat), c);
            EXPECT_EQ(scaled.Width(text), (advance * repeat + 0xFFFF) >> 16)
                << "U+" << std::hex << uint32_t(c) << " × " << std::dec << repeat;
        }
    }
    const FT_Size_Metrics& metrics = face_->size->metrics;
    EXPECT_EQ(scaled.Ascender(), metrics.ascender / 64);
    EXPECT_EQ(scaled.Descender(), -metrics.descender / 64);
}

TEST(TrueTypeFont, AFileThatIsNoFontIsRefusedWithWhereItFailed) {
    const std::string cases[] = {
        "", "not a font at all",
        std::string("\x00\x01\x00\x00\x00\x00", 6),  // a TrueType header listing no table
    };
    for (const std::string& bytes : cases) {
        try {
            emulator::TrueTypeFont font{bytes};
            ADD_FAILURE() << "read as a font: " << bytes;
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()).rfind("malformed font at offset ", 0), 0u)
                << error.what();
        }
    }
}

}  // namespace
