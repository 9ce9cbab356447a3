#include "emulator/common/text_encoding.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace {

struct EncodingCase {
    const char* cp1252;
    const char* utf8;
};

class Encodings : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(Encodings, ConvertBothWays) {
    EXPECT_EQ(emulator::Cp1252ToUtf8(GetParam().cp1252), GetParam().utf8);
    EXPECT_EQ(emulator::Utf8ToCp1252(GetParam().utf8), std::string(GetParam().cp1252));
}

INSTANTIATE_TEST_SUITE_P(TextEncoding, Encodings,
                         ::testing::Values(EncodingCase{"Calque 1", "Calque 1"},
                                           EncodingCase{"Impossible. Calque verrouill\xE9.",
                                                        "Impossible. Calque verrouillé."},
                                           EncodingCase{"\xC0 propos des KVT\x95Outils\x85",
                                                        "À propos des KVT•Outils…"},
                                           EncodingCase{"Parall\xE9logramme", "Parallélogramme"},
                                           EncodingCase{"\x80 \x9C \xFF", "€ œ ÿ"}));

TEST(TextEncoding, RefusesWhatWindows1252CannotHold) {
    EXPECT_FALSE(emulator::Utf8ToCp1252("Δ"));
    EXPECT_FALSE(emulator::Utf8ToCp1252("\xC2\x81"));  // a byte Windows-1252 leaves undefined
    EXPECT_TRUE(emulator::IsUtf8("Δ \xC2\x81"));
}

struct Malformed {
    const char* name;
    std::string bytes;
};

class MalformedUtf8 : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedUtf8, IsNeitherUtf8NorConvertedAndIsRepairedByteByByte) {
    const std::string& bytes = GetParam().bytes;
    EXPECT_FALSE(emulator::IsUtf8(bytes));
    EXPECT_FALSE(emulator::Utf8ToCp1252(bytes));
    std::string replacements;
    for (size_t i = 0; i < bytes.size(); ++i) replacements += "\uFFFD";
    EXPECT_EQ(emulator::RepairUtf8("a" + bytes + "é"), "a" + replacements + "é");
}

INSTANTIATE_TEST_SUITE_P(TextEncoding, MalformedUtf8,
                         ::testing::Values(Malformed{"CutShort", "\xC3"},
                                           Malformed{"StrayContinuation", "\xA9"},
                                           Malformed{"OverlongQuote", "\xC0\xA2"},
                                           Malformed{"OverlongEAcute", "\xE0\x83\xA9"},
                                           Malformed{"OverlongEuroSign", "\xF0\x82\x82\xAC"},
                                           Malformed{"Surrogate", "\xED\xA0\x80"},
                                           Malformed{"PastU10FFFF", "\xF4\x90\x80\x80"},
                                           Malformed{"FiveByteLead", "\xF8\x88\x80\x80"},
                                           Malformed{"LeadFF", "\xFF"}),
                         CaseName<Malformed>);

TEST(TextEncoding, KeepsWellFormedCharactersOfEveryLength) {
    const std::string text = "a é € \U0001F30D \U0010FFFF \uD7FF \uE000";
    EXPECT_TRUE(emulator::IsUtf8(text));
    EXPECT_EQ(emulator::RepairUtf8(text), text);
}

TEST(TextEncoding, TellsWellFormedUtf8) {
    for (const char* good : {"", "plain", "Parallélogramme", "€ 🌍", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(emulator::IsUtf8(good)) << good;
    for (const char* bad : {
             "s\xC3",             // cut short
             "\xC3\x28",          // bad continuation
             "\xA9",              // a stray continuation byte
             "\xC0\xA2",          // an overlong quote
             "\xE0\x80\xAF",      // an overlong slash
             "\xED\xA0\x80",      // a surrogate
             "\xF4\x90\x80\x80",  // beyond U+10FFFF
             "\xF8\x90\x80\x80",  // no such lead byte
         })
        EXPECT_FALSE(emulator::IsUtf8(bad)) << ::testing::PrintToString(std::string(bad));
    EXPECT_FALSE(emulator::Utf8ToCp1252("\xC1\x81"));  // an overlong "A" is no "A"
}

TEST(TextEncoding, ReadsUtf16AsResourcesStoreIt) {
    EXPECT_EQ(emulator::Utf16ToUtf8(u"Préférences..."), "Préférences...");
    EXPECT_EQ(emulator::Utf16ToUtf8(u"\u2212 \U0001F30D"), "− 🌍");  // a surrogate pair
    EXPECT_EQ(emulator::Utf16ToUtf8(std::u16string{u'a', 0xD83C, u'b', 0xDF0D}), "a\uFFFDb\uFFFD");
}

TEST(TextEncoding, WritesUtf16AsTheWindowsApiTakesIt) {
    const struct {
        const char* utf8;
        std::u16string utf16;
    } cases[] = {
        {"C:\\plug-ins\\ortaq.dll", u"C:\\plug-ins\\ortaq.dll"},
        {"Préférences", u"Préférences"},
        {"\uFFFF", u"\uFFFF"},  // the last character of one unit
        {"\U00010000 \U0010FFFF", std::u16string{0xD800, 0xDC00, u' ', 0xDBFF, 0xDFFF}},
        {"a\xFFz", u"a\uFFFDz"},  // a byte of no character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(emulator::Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
        if (emulator::IsUtf8(c.utf8)) {
            EXPECT_EQ(emulator::Utf16ToUtf8(c.utf16), c.utf8);
        }
    }
}

TEST(TextEncoding, KeepsUndefinedBytesAsTheirControlCodes) {
    EXPECT_EQ(emulator::Cp1252ToUtf8("\x81"), "\xC2\x81");
}

}  // namespace
