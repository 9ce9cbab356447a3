#include "emulator/common/json.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>

#include "tests/support/case_name.h"

namespace {

struct FloatCase {
    float value;
    const char* text;
};

class ShortestFloat : public ::testing::TestWithParam<FloatCase> {};

TEST_P(ShortestFloat, PrintsTheShortestTextThatReadsBackAsAReal) {
    std::string text = emulator::JsonFloat(GetParam().value).dump();
    EXPECT_EQ(text, GetParam().text);
    EXPECT_EQ(std::strtof(text.c_str(), nullptr), GetParam().value);
    EXPECT_TRUE(emulator::ParseJson(text).is_number_float());
}

INSTANTIATE_TEST_SUITE_P(
    Json, ShortestFloat,
    ::testing::Values(FloatCase{0.1f, "0.1"}, FloatCase{1.0f / 3, "0.33333334"},
                      FloatCase{36.055513f, "36.05551"}, FloatCase{2.8346457f, "2.8346457"},
                      FloatCase{-0.0f, "-0.0"}, FloatCase{100.0f, "100.0"},
                      FloatCase{1e-7f, "1e-07"}, FloatCase{3.4028235e38f, "3.4028235e+38"}));

// The significant digits of a number's text: no sign, point, exponent or leading zeros.
size_t SignificantDigits(const std::string& text) {
    std::string digits;
    for (char c : text.substr(0, text.find_first_of("eE")))
        if (std::isdigit(static_cast<unsigned char>(c)) && !(digits.empty() && c == '0'))
            digits += c;
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    return digits.size();
}

// nlohmann prints doubles with Grisu2, which gives the shortest text for all but about one
// double in a thousand and a longer one that still reads back for the rest: so a float almost
// always prints its own shortest text, and always reads back to itself.
TEST(Json, AnyFloatReadsBackToItselfAndAlmostAlwaysPrintsItsShortestText) {
    std::mt19937 bits(20130201);
    int floats = 0;
    int longer = 0;
    while (floats < 100000) {
        float value = std::bit_cast<float>(static_cast<uint32_t>(bits()));
        if (!std::isfinite(value)) continue;
        ++floats;
        char shortest[32];
        auto end = std::to_chars(shortest, shortest + sizeof shortest, value).ptr;
        std::string text = emulator::JsonFloat(value).dump();
        ASSERT_EQ(std::strtof(text.c_str(), nullptr), value) << text;
        if (SignificantDigits(text) != SignificantDigits(std::string(shortest, end))) ++longer;
    }
    EXPECT_LT(longer, floats / 100);
}

struct RealCase {
    double value;
    const char* text;
};

class Reals : public ::testing::TestWithParam<RealCase> {};

TEST_P(Reals, KeepADecimalPointAndReadBackBitForBit) {
    std::string text = emulator::Json(GetParam().value).dump();
    EXPECT_EQ(text, GetParam().text);
    emulator::Json back = emulator::ParseJson(text);
    ASSERT_TRUE(back.is_number_float());
    EXPECT_EQ(std::bit_cast<uint64_t>(back.get<double>()),
              std::bit_cast<uint64_t>(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Json, Reals,
    ::testing::Values(RealCase{0.1, "0.1"}, RealCase{1.0, "1.0"}, RealCase{-0.0, "-0.0"},
                      RealCase{1.0 / 3, "0.3333333333333333"}, RealCase{123456789.0, "123456789.0"},
                      RealCase{1e21, "1e+21"}, RealCase{5e-324, "5e-324"},
                      RealCase{std::numeric_limits<double>::max(), "1.7976931348623157e+308"}));

TEST(Json, NonFiniteNumbersAreWrittenAsNull) {
    EXPECT_TRUE(emulator::JsonFloat(std::numeric_limits<float>::quiet_NaN()).is_null());
    EXPECT_TRUE(emulator::JsonFloat(-std::numeric_limits<float>::infinity()).is_null());
    EXPECT_EQ(emulator::Json(std::numeric_limits<double>::infinity()).dump(), "null");
}

TEST(Json, FileTextIsIndentedByTwoInInsertionOrderAndEndsWithANewline) {
    emulator::Json document = emulator::Json::object();
    document["z"] = 1;
    document["a"] = emulator::Json::array({emulator::JsonFloat(0.5f), "é"});
    document["empty"] = emulator::Json::object();
    EXPECT_EQ(emulator::JsonFileText(document),
              "{\n  \"z\": 1,\n  \"a\": [\n    0.5,\n    \"é\"\n  ],\n  \"empty\": {}\n}\n");
    EXPECT_EQ(emulator::ParseJson(emulator::JsonFileText(document)), document);
}

TEST(Json, AppendedMembersComeInOrderAndReadBack) {
    emulator::Json object = emulator::Json::object();
    emulator::AppendMember(object, "b", 1);
    emulator::AppendMember(object, "a", 2);
    EXPECT_EQ(object.dump(), "{\"b\":1,\"a\":2}");
    EXPECT_EQ(object.at("a"), 2);
}

TEST(Json, ParseKeepsKeyOrderAndTheLastOfARepeatedKeyInItsFirstPlace) {
    emulator::Json object =
        emulator::ParseJson("{\"b\": 1, \"a\": [true, {\"x\": null}], \"b\": 3}");
    EXPECT_EQ(object.dump(), "{\"b\":3,\"a\":[true,{\"x\":null}]}");
}

TEST(Json, ParseKeepsTheKindOfEachValue) {
    emulator::Json values = emulator::ParseJson("[true, 1, 1.0, \"1\", null, -1]");
    EXPECT_TRUE(values.at(0).is_boolean());
    EXPECT_TRUE(values.at(1).is_number_integer());
    EXPECT_TRUE(values.at(2).is_number_float());
    EXPECT_TRUE(values.at(3).is_string());
    EXPECT_TRUE(values.at(4).is_null());
    EXPECT_EQ(values.at(5).get<int>(), -1);
}

std::string Nested(int depth) {
    return std::string(depth, '[') + std::string(depth, ']');
}

TEST(Json, ParseTakesNestingUpToItsLimit) {
    emulator::Json value = emulator::ParseJson(Nested(emulator::kJsonMaxDepth));
    for (int depth = 1; depth < emulator::kJsonMaxDepth; ++depth)
        value = emulator::Json(value.at(0));
    EXPECT_EQ(value, emulator::Json::array());
}

struct Refused {
    const char* name;
    std::string text;
    const char* error;
};

class RefusedText : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedText, IsNamedByItsOffsetAndReason) {
    try {
        emulator::ParseJson(GetParam().text);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Json, RefusedText,
    ::testing::Values(
        Refused{"Empty", "",
                "JSON offset 0: unexpected end of input; expected '[', '{', or a literal"},
        Refused{"DoubleComma", "{\"a\": [1, 2,, 3]}",
                "JSON offset 12: unexpected ','; expected '[', '{', or a literal"},
        Refused{"TrailingComma", "[1,]",
                "JSON offset 3: unexpected ']'; expected '[', '{', or a literal"},
        Refused{"TextAfterTheValue", "{\"a\": 1} x",
                "JSON offset 9: invalid literal; last read: '1} x'; expected end of input"},
        Refused{"UnfinishedString", "\"open",
                "JSON offset 5: invalid string: missing closing quote; last read: '\"open'"},
        Refused{"UnknownEscape", "\"\\x\"",
                "JSON offset 2: invalid string: forbidden character after backslash; last read: "
                "'\"\\x'"},
        Refused{"RawControlCharacter", "\"a\tb\"",
                "JSON offset 2: invalid string: control character U+0009 (HT) must be escaped to "
                "\\u0009 or \\t; last read: '\"a<U+0009>'"},
        Refused{"LeadingZero", "[01]", "JSON offset 2: unexpected number literal; expected ']'"},
        Refused{"LoneHighSurrogate", "\"\\ud800\"",
                "JSON offset 7: invalid string: surrogate U+D800..U+DBFF must be followed by "
                "U+DC00..U+DFFF; last read: '\"\\ud800\"'"},
        Refused{"LoneLowSurrogate", "\"\\udc00\"",
                "JSON offset 6: invalid string: surrogate U+DC00..U+DFFF must follow "
                "U+D800..U+DBFF; last read: '\"\\udc00'"},
        Refused{"OverlongUtf8", "[\"\xC0\xA2\"]",
                "JSON offset 2: invalid string: ill-formed UTF-8 byte; last read: '\"\xC0'"},
        Refused{"NumberTooLarge", "[1e999]", "JSON offset 5: number overflow parsing '1e999'"},
        Refused{"Comment", "// note\n1", "JSON offset 0: invalid literal; last read: '/'"},
        Refused{"OneLevelTooDeep", Nested(emulator::kJsonMaxDepth + 1),
                "JSON offset 256: nested deeper than 256 levels"},
        Refused{"SeventeenThousandOpenBrackets", std::string(17000, '['),
                "JSON offset 256: nested deeper than 256 levels"},
        Refused{"DeepBracketsAfterAString", "[\"]]\"," + std::string(17000, '['),
                "JSON offset 261: nested deeper than 256 levels"}),
    CaseName<Refused>);

}  // namespace
