// The texts the panel's drawing writes: the inclination and the inactive diagonal's box.
#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "panel/dessin_panneau.h"
#include "tests/support/plugin_in_process.h"

namespace {

using PanelTexts = PluginInProcess;

float Radians(double degrees) {
    return static_cast<float>(degrees * std::numbers::pi / 180);
}

struct InclinationCase {
    double degrees;
    const char* text;  // Windows-1252: "\xB0" is the degree sign
};

class InclinationTexts : public PanelTexts,
                         public ::testing::WithParamInterface<InclinationCase> {};

TEST_P(InclinationTexts, AreRoundedDown) {
    char text[32];
    TexteInclinaison(Radians(GetParam().degrees), text, sizeof text);
    EXPECT_STREQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Panel, InclinationTexts,
                         ::testing::Values(InclinationCase{-0.5, "-1\xB0"},
                                           InclinationCase{45.9, "45\xB0"},
                                           InclinationCase{0, "0\xB0"},
                                           InclinationCase{90, "90\xB0"},
                                           InclinationCase{-179.5, "-180\xB0"}));

// The slider and the angle buttons set whole degrees, which the float32 radians give back a
// hair below or above: each must read as itself.
TEST_F(PanelTexts, WholeDegreesReadAsThemselves) {
    for (int degrees = -180; degrees <= 181; ++degrees) {
        char text[32];
        TexteInclinaison(Radians(degrees), text, sizeof text);
        EXPECT_EQ(std::string(text), std::to_string(degrees) + "\xB0");
    }
}

struct BoxCase {
    int32_t unit;  // Unite
    float points;
    const char* text;
};

class BoxTexts : public PanelTexts, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(BoxTexts, UseTheUnitTwoDecimalsAtMostAndACommaa) {
    globals.Unite = GetParam().unit;
    char text[48];
    TexteLongueurBoite(GetParam().points, text, sizeof text);
    EXPECT_STREQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Panel, BoxTexts,
                         ::testing::Values(BoxCase{0, 72, "25,4 mm"}, BoxCase{1, 72, "2,54 cm"},
                                           BoxCase{2, 72, "1 in"}, BoxCase{3, 72, "72 pt"},
                                           BoxCase{0, 0, "0 mm"},
                                           BoxCase{3, 141.4213f, "141,42 pt"},
                                           // + 0.005 before truncating: 1.995 shows 2
                                           BoxCase{3, 1.995f, "2 pt"}));

}  // namespace
