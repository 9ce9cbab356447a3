// The drawing scale's ratios: which popup entry a scale marks, the custom ratio's texts,
// and the custom terms the scale accepts.
#include "settings/echelle.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct MarkCase {
    float numerator, denominator;
    int32_t entry;
};

class MarkedEntries : public ::testing::TestWithParam<MarkCase> {};

TEST_P(MarkedEntries, AreTheFixedRatioThatMatchesExactlyOrTheCustomOne) {
    EXPECT_EQ(EntreeDeLEchelle(GetParam().numerator, GetParam().denominator), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(Settings, MarkedEntries,
                         ::testing::Values(MarkCase{1, 1, 9}, MarkCase{1, 100, 0},
                                           MarkCase{100, 1, 18}, MarkCase{1, 3, 6},
                                           // Not reduced: not recognised as 1/2.
                                           MarkCase{2, 4, 21}, MarkCase{3, 7, 21},
                                           MarkCase{1, 3.0001f, 21}));

TEST(CustomRatio, TextsOfTheEntryAndOfTheEquivalenceLine) {
    char text[64];
    TexteEchellePerso(3, 7, text, sizeof text);
    EXPECT_STREQ(text, "3/7");
    TexteEchellePerso(0.0001f, 7, text, sizeof text);
    EXPECT_STREQ(text, "0.0001/7");
    TexteEchellePerso(0, 7, text, sizeof text);
    EXPECT_STREQ(text, "\x85/\x85");
    TexteEquivalence(3, 7, text, sizeof text);
    EXPECT_STREQ(text, "1 mm -> 2,33333 mm");
    TexteEquivalence(2, 1, text, sizeof text);
    EXPECT_STREQ(text, "1 mm -> 0,5 mm");
}

struct TermCase {
    float read, previous, kept;
};

class CustomTerms : public ::testing::TestWithParam<TermCase> {};

// A host that lets a field's value past its bounds, or hands back no number, must not give
// the drawing scale a zero, negative, missing or overflowing term.
TEST_P(CustomTerms, StayWithinTheirBoundsAndAreNumbers) {
    EXPECT_EQ(TermePersoValide(GetParam().read, GetParam().previous), GetParam().kept);
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(Settings, CustomTerms,
                         ::testing::Values(TermCase{2.5f, 3, 2.5f}, TermCase{0, 3, 0.0001f},
                                           TermCase{-3, 3, 0.0001f}, TermCase{0.0001f, 3, 0.0001f},
                                           TermCase{kNaN, 3, 3}, TermCase{kInfinity, 3, 3},
                                           TermCase{-kInfinity, 7, 7}, TermCase{1e30f, 3, 1000000},
                                           TermCase{1000000, 3, 1000000}));

}  // namespace
