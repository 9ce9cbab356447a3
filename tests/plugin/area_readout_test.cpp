// The area read-out as the panel shows it: the record's area in the current unit at the
// drawing scale, written into the area's text.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "panel/aire.h"
#include "panel/items_panneau.h"
#include "tests/support/case_name.h"
#include "tests/support/plugin_in_process.h"

namespace {

struct ReadoutCase {
    std::string name;
    float squarePoints;  // AirePoints
    int32_t unit;
    float scale;  // FacteurEchelle
    const char* text;
};

class AreaReadout : public PluginWithPanel, public ::testing::WithParamInterface<ReadoutCase> {
  protected:
    std::string Shown() const { return host.dialogs.FindDialog(panel_)->Find(kTexteAire)->text; }
};

TEST_P(AreaReadout, ShowsTheAreaInTheSquareOfTheUnit) {
    const ReadoutCase& c = GetParam();
    globals.AirePoints = c.squarePoints;
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
    ::testing::Values(ReadoutCase{"SquareInchInMillimetres", 5184, 0, 1, "Aire=645,16 mm2"},
                      ReadoutCase{"SquareInchInCentimetres", 5184, 1, 1, "Aire=6,45 cm2"},
                      ReadoutCase{"SquareInchInInches", 5184, 2, 1, "Aire=1,00 po2"},
                      ReadoutCase{"SquareInchInPoints", 5184, 3, 1, "Aire=5184,00 pt2"},
                      ReadoutCase{"AtOneTenthInMillimetres", 5184, 0, 0.1f, "Aire=64516,00 mm2"},
                      ReadoutCase{"AtOneTenthInPointsTheScaleIsLeftOut", 5184, 3, 0.1f,
                                  "Aire=5184,00 pt2"},
                      ReadoutCase{"Zero", 0, 0, 1, "Aire=0,00 mm2"},
                      ReadoutCase{"ThirdDecimalFiveRoundsUp", 2.675f, 3, 1, "Aire=2,68 pt2"},
                      ReadoutCase{"UpToTheNextUnit", 1.995f, 3, 1, "Aire=2,00 pt2"},
                      // Values an extreme custom scale or a corrupt preference can give: the text
                      // stays bounded and says it cannot show them.
                      ReadoutCase{"NotANumber", kNaN, 0, 1, "Aire=#### mm2"},
                      ReadoutCase{"Infinite", kInfinity, 3, 1, "Aire=#### pt2"},
                      ReadoutCase{"ScaleSquaredUnderflows", 5184, 0, 1e-20f, "Aire=#### mm2"},
                      ReadoutCase{"ScaleNotANumber", 5184, 1, kNaN, "Aire=#### cm2"},
                      ReadoutCase{"ThirtySevenDigits", 5184, 2, 9e-19f, "Aire=#### po2"},
                      ReadoutCase{"ThirtySixDigitsStillFit", 5184, 2, 1e-18f,
                                  "Aire=999999882462153731101078006664265728,00 po2"}),
    CaseName<ReadoutCase>);

TEST_F(AreaReadout, AUnitOutsideTheTableLeavesTheReadoutAsItWas) {
    globals.AirePoints = 5184;
    globals.Unite = 0;
    AfficherAire();
    globals.AireAffichee = 7;
    globals.Unite = 4;
    globals.AirePoints = 1;
    AfficherAire();
    EXPECT_EQ(Shown(), "Aire=645,16 mm2");
    EXPECT_EQ(globals.AireAffichee, 7);
}

}  // namespace
