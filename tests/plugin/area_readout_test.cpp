// The area read-out as the panel shows it: the area of the record's vertices in the current
// unit at the drawing scale, rounded half up to the cent, written into the area's text.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "geometry/quadrilatere.h"
#include "panel/aire.h"
#include "panel/items_panneau.h"
#include "tests/support/case_name.h"
#include "tests/support/plugin_in_process.h"

namespace {

struct ReadoutCase {
    std::string name;
    float width, height;  // a rectangle from the origin, in points
    int32_t unit;
    float scale;  // FacteurEchelle
    const char* text;
};

class AreaReadout : public PluginWithPanel, public ::testing::WithParamInterface<ReadoutCase> {
  protected:
    std::string Shown() const { return host.Dialogs().FindDialog(panel_)->Find(kTexteAire)->text; }
    void PlacerRectangle(float width, float height) {
        PlacerSommets(globals.Sommets, {{{0, 0}, {width, 0}, {width, height}, {0, height}}});
    }
};

TEST_P(AreaReadout, ShowsTheAreaInTheSquareOfTheUnit) {
    const ReadoutCase& c = GetParam();
    PlacerRectangle(c.width, c.height);
    globals.Unite = c.unit;
    globals.FacteurEchelle = c.scale;
    AfficherAire();
    EXPECT_EQ(Shown(), c.text);
    // The number alone stays within its 40 bytes.
    EXPECT_LT(strnlen(globals.Aire, sizeof globals.Aire), sizeof globals.Aire);
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Panel, AreaReadout,
    ::testing::Values(
        ReadoutCase{"SquareInchInMillimetres", 72, 72, 0, 1, "Aire=645,16 mm2"},
        ReadoutCase{"SquareInchInCentimetres", 72, 72, 1, 1, "Aire=6,45 cm2"},
        ReadoutCase{"SquareInchInInches", 72, 72, 2, 1, "Aire=1,00 po2"},
        ReadoutCase{"SquareInchInPoints", 72, 72, 3, 1, "Aire=5184,00 pt2"},
        ReadoutCase{"AtOneTenthInMillimetres", 72, 72, 0, 0.1f, "Aire=64516,00 mm2"},
        ReadoutCase{"AtOneTenthInPointsTheScaleIsLeftOut", 72, 72, 3, 0.1f, "Aire=5184,00 pt2"},
        ReadoutCase{"Zero", 0, 0, 0, 1, "Aire=0,00 mm2"},
        ReadoutCase{"ThirdDecimalFiveRoundsUp", 2.125f, 1, 3, 1, "Aire=2,13 pt2"},
        ReadoutCase{"UpToTheNextUnit", 0.99951171875f, 8, 3, 1, "Aire=8,00 pt2"},
        // The cents of a large figure, which a float32 area has lost.
        ReadoutCase{"LargeFigureKeepsItsCents", 1000.25f, 1000.25f, 3, 1, "Aire=1000500,06 pt2"},
        // Values an extreme custom scale or a corrupt preference can give: the text
        // stays bounded and says it cannot show them.
        ReadoutCase{"NotANumber", kNaN, 1, 0, 1, "Aire=#### mm2"},
        ReadoutCase{"Infinite", kInfinity, 1, 3, 1, "Aire=#### pt2"},
        ReadoutCase{"ScaleTooSmallForTheDigits", 72, 72, 0, 1e-20f, "Aire=#### mm2"},
        ReadoutCase{"ScaleNotANumber", 72, 72, 1, kNaN, "Aire=#### cm2"},
        ReadoutCase{"ThirtySevenDigits", 72, 72, 2, 9e-19f, "Aire=#### po2"},
        ReadoutCase{"ThirtySixDigitsStillFit", 72, 72, 2, 1e-18f,
                    "Aire=999999908372596407672625396470251520,00 po2"}),
    CaseName<ReadoutCase>);

TEST_F(AreaReadout, AUnitOutsideTheTableLeavesTheReadoutAsItWas) {
    PlacerRectangle(72, 72);
    globals.Unite = 0;
    AfficherAire();
    globals.AireAffichee = 7;
    globals.Unite = 4;
    PlacerRectangle(1, 1);
    AfficherAire();
    EXPECT_EQ(Shown(), "Aire=645,16 mm2");
    EXPECT_EQ(globals.AireAffichee, 7);
}

}  // namespace
