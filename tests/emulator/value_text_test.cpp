#include "emulator/models/dialogs/value_text.h"

#include <gtest/gtest.h>

#include "host/adm.h"

namespace {

struct ShownCase {
    float points;
    int32_t units;
    int32_t decimals;
    const char* text;
};

class ShownFieldValues : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownFieldValues, AreInTheUnitWithTheirDecimalsAndAComma) {
    const ShownCase& c = GetParam();
    EXPECT_EQ(emulator::FormatValue(c.points, c.units, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ShownFieldValues,
                         ::testing::Values(ShownCase{0, kADMMillimeterUnits, 2, "0,00"},
                                           ShownCase{72, kADMMillimeterUnits, 2, "25,40"},
                                           ShownCase{72, kADMCentimeterUnits, 2, "2,54"},
                                           ShownCase{72, kADMInchUnits, 2, "1,00"},
                                           ShownCase{72, kADMPointUnits, 0, "72"},
                                           ShownCase{12.5f, kADMNoUnits, 1, "12,5"},
                                           ShownCase{-0.001f, kADMPointUnits, 2, "0,00"},
                                           ShownCase{-3.5f, kADMPointUnits, 1, "-3,5"}));

struct TypedCase {
    const char* typed;
    int32_t units;
    std::optional<float> points;
};

class TypedFieldTexts : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedFieldTexts, AreReadBackInPoints) {
    const TypedCase& c = GetParam();
    std::optional<float> read = emulator::ParseValue(c.typed, c.units);
    ASSERT_EQ(read.has_value(), c.points.has_value()) << c.typed;
    if (read) {
        EXPECT_FLOAT_EQ(*read, *c.points) << c.typed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, TypedFieldTexts,
    ::testing::Values(
        TypedCase{"25,4", kADMMillimeterUnits, 72.0f},
        TypedCase{"25.4", kADMMillimeterUnits, 72.0f},
        TypedCase{"  25,4  ", kADMMillimeterUnits, 72.0f},
        TypedCase{"2,54 cm", kADMMillimeterUnits, 72.0f},
        TypedCase{"1in", kADMMillimeterUnits, 72.0f}, TypedCase{"1 po", kADMPointUnits, 72.0f},
        TypedCase{"1\"", kADMPointUnits, 72.0f}, TypedCase{"10 pt", kADMMillimeterUnits, 10.0f},
        TypedCase{"12 MM", kADMPointUnits, 34.015747f}, TypedCase{"2,54 Cm", kADMPointUnits, 72.0f},
        TypedCase{"1IN", kADMMillimeterUnits, 72.0f}, TypedCase{"1 Po", kADMPointUnits, 72.0f},
        TypedCase{"10 pT", kADMMillimeterUnits, 10.0f}, TypedCase{"+3", kADMPointUnits, 3.0f},
        TypedCase{"-3", kADMPointUnits, -3.0f}, TypedCase{"", kADMPointUnits, std::nullopt},
        TypedCase{"abc", kADMPointUnits, std::nullopt},
        TypedCase{"12abc", kADMPointUnits, std::nullopt},
        TypedCase{"1,2,3", kADMPointUnits, std::nullopt},
        TypedCase{"mm", kADMMillimeterUnits, std::nullopt},
        TypedCase{"nan", kADMPointUnits, std::nullopt},
        TypedCase{"inf", kADMPointUnits, std::nullopt}));

}  // namespace
