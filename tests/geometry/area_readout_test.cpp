// The panel's area read-out: the area in square display units at drawing size, and its
// number with two decimals and a decimal comma.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "geometry/ecriture_nombres.h"
#include "geometry/lecture_aire.h"

namespace {

struct UnitCase {
    int32_t unite;
    float facteur;
    float aire;  // from 5184 square points, a square inch
};

class AreasInUnits : public ::testing::TestWithParam<UnitCase> {};

TEST_P(AreasInUnits, ComeFromSquarePointsAtDrawingSize) {
    const UnitCase& c = GetParam();
    EXPECT_FLOAT_EQ(AireEnUnite(5184, c.unite, c.facteur), c.aire);
}

INSTANTIATE_TEST_SUITE_P(Geometry, AreasInUnits,
                         ::testing::Values(UnitCase{0, 1, 645.16f}, UnitCase{1, 1, 6.4516f},
                                           UnitCase{2, 1, 1}, UnitCase{0, 0.1f, 64516.0f},
                                           // At 2/1 a drawn square inch is a quarter of one.
                                           UnitCase{2, 2, 0.25f}));

std::string Written(float value, size_t size = 40) {
    char text[64];
    std::memset(text, '@', sizeof text);
    EcrireDeuxDecimales(value, text, size);
    // Nothing is written past SIZE bytes.
    for (size_t i = size; i < sizeof text; ++i) EXPECT_EQ(text[i], '@') << "byte " << i;
    return text;
}

struct NumberCase {
    float value;
    const char* text;
};

class TwoDecimals : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TwoDecimals, AreTruncatedAfterAddingHalfACent) {
    EXPECT_EQ(Written(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, TwoDecimals,
    ::testing::Values(NumberCase{645.16f, "645,16"}, NumberCase{6.4516f, "6,45"},
                      NumberCase{1, "1,00"}, NumberCase{5184, "5184,00"}, NumberCase{0, "0,00"},
                      NumberCase{64516, "64516,00"}, NumberCase{2.675f, "2,68"},
                      NumberCase{1.995f, "2,00"}, NumberCase{0.004f, "0,00"},
                      // 36 digits still fit the 40 bytes: 1e35 as float32 is these digits.
                      NumberCase{1e35f, "100000004091847875962975319375216640,00"}));

TEST(TwoDecimals, ValuesWithoutDigitsOrTooLongAreHashesWithinTheBuffer) {
    for (float value :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), -1.0f,
          // 37 digits or more do not fit 40 bytes with ",00".
          1e37f, std::numeric_limits<float>::max()})
        EXPECT_EQ(Written(value), "####") << value;
    // A buffer too small for the digits gets the hashes, cut to its size.
    EXPECT_EQ(Written(123456, 8), "####");
    EXPECT_EQ(Written(12345, 9), "12345,00");
    EXPECT_EQ(Written(5184, 3), "##");
}

}  // namespace
