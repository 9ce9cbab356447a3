// The text of a length label: the unit's value rounded half up at the second decimal,
// written with a decimal comma and the unit's suffix, always within its buffer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "annotations/texte_etiquette.h"

namespace {

struct LabelCase {
    float points;
    int32_t unit;  // 0 mm, 1 cm, 2 in, 3 pt
    const char* text;
};

class LabelTexts : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelTexts, ReadInTheUnitWithTwoDecimals) {
    char text[kTailleTexteEtiquette];
    TexteEtiquette(GetParam().points, GetParam().unit, text);
    EXPECT_STREQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Annotations, LabelTexts,
    ::testing::Values(LabelCase{72, 0, "25,40 mm"},
                      // 1.995 mm typed, kept in float32 points a hair under 1.995 mm.
                      LabelCase{static_cast<float>(1.995 * 72 / 25.4), 0, "2,00 mm"},
                      LabelCase{100, 3, "100,00 pt"}, LabelCase{0, 0, "0,00 mm"},
                      LabelCase{1.995f, 3, "2,00 pt"}, LabelCase{1.994f, 3, "1,99 pt"},
                      LabelCase{144, 2, "2,00 in"}, LabelCase{72, 1, "2,54 cm"},
                      LabelCase{36, 2, "0,50 in"}, LabelCase{123456.78f, 3, "123456,78 pt"}));

// Values the digits cannot hold never overflow the buffer nor print garbage.
TEST(LabelTexts, ValuesWithoutDigitsReadAsOverflow) {
    const float values[] = {std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::max()};
    for (float value : values) {
        char text[kTailleTexteEtiquette + 8];
        std::memset(text, 'x', sizeof text);
        TexteEtiquette(value, 3, reinterpret_cast<char(&)[kTailleTexteEtiquette]>(text));
        EXPECT_STREQ(text, "#### pt") << value;
        EXPECT_EQ(std::string(text + kTailleTexteEtiquette, 8), std::string(8, 'x'));
    }
}

// The largest value with digits still fits: 38 digits, the comma, two decimals, " mm".
TEST(LabelTexts, TheLargestWrittenValueFitsItsBuffer) {
    char text[kTailleTexteEtiquette];
    TexteEtiquette(9.9e37f, 3, text);
    EXPECT_EQ(std::strlen(text), 38u + 3 + 3);
    EXPECT_EQ(std::string(text).substr(38), ",00 pt");
}

}  // namespace
