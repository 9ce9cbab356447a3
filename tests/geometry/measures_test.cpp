// The quadrilateral's measures, the drawing scale and the kinds' names.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/formes.h"
#include "geometry/mesures.h"

namespace {

struct AreaCase {
    const char* name;
    Quadrilatere q;
    double area;  // of the float32 vertices, worked out in long double
};

class Areas : public ::testing::TestWithParam<AreaCase> {};

TEST_P(Areas, AreExactForTheFloat32Vertices) {
    EXPECT_NEAR(Aire(GetParam().q), GetParam().area, 1e-6 * GetParam().area) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, Areas,
    ::testing::Values(
        AreaCase{"counter-clockwise square", {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}}, 1},
        AreaCase{"clockwise square", {{{0, 0}, {0, 1}, {1, 1}, {1, 0}}}, 1},
        AreaCase{"crossed order", {{{0, 0}, {1, 1}, {1, 0}, {0, 1}}}, 0},
        AreaCase{"rectangle off the origin", {{{10, 20}, {40, 20}, {40, 40}, {10, 40}}}, 600},
        AreaCase{"kite", {{{0, 0}, {2, -1}, {4, 0}, {2, 3}}}, 8},
        // A float32 sum of the products would lose 15.6 of it.
        AreaCase{"large coordinates",
                 {{{7249.7f, 3002.6f}, {2500.9f, 8345}, {8427.4f, 5091.9f}, {7834.7f, 8914.1f}}},
                 5236839.5946},
        AreaCase{"far from the origin",
                 {{{1e6f, 1e6f}, {1e6f + 2.25f, 1e6f}, {1e6f + 2.25f, 1e6f + 2}, {1e6f, 1e6f + 2}}},
                 4.5}));

struct InclinationCase {
    HostRealPoint v4;
    double radians;
};

class Inclinations : public ::testing::TestWithParam<InclinationCase> {};

TEST_P(Inclinations, AreTheDirectionFromVertex1ToVertex4) {
    Quadrilatere q{{{0, 0}, {5, 5}, {7, 7}, GetParam().v4}};
    EXPECT_EQ(Inclinaison(q), static_cast<float>(GetParam().radians));
}

INSTANTIATE_TEST_SUITE_P(Geometry, Inclinations,
                         ::testing::Values(InclinationCase{{0, 10}, std::numbers::pi / 2},
                                           InclinationCase{{-10, 0}, std::numbers::pi},
                                           InclinationCase{{10, 0}, 0},
                                           InclinationCase{{0, -10}, -std::numbers::pi / 2},
                                           InclinationCase{{0, 0}, 0}));

TEST(Measures, SidesAndDiagonalsJoinTheirVertices) {
    // Every side and diagonal of a different length.
    Quadrilatere q{{{0, 0}, {3, 0}, {3, 4}, {-3, 12}}};
    EXPECT_EQ(LongueurCote(q, 1), 3);
    EXPECT_EQ(LongueurCote(q, 2), 4);
    EXPECT_EQ(LongueurCote(q, 3), 10);
    EXPECT_FLOAT_EQ(LongueurCote(q, 4), std::sqrt(153.0f));
    EXPECT_EQ(LongueurDiagonale(q, 1), 5);
    EXPECT_FLOAT_EQ(LongueurDiagonale(q, 2), std::sqrt(180.0f));
}

TEST(Measures, PanelLengthsAreDocumentLengthsOverTheDrawingScale) {
    // At 1/100, a side measuring 10 mm in the document stands for 1000 mm.
    float facteur = 1.0f / 100;
    float tenMillimetres = 10 * 72 / 25.4f;
    Quadrilatere q{{{0, 0}, {tenMillimetres, 0}, {tenMillimetres, 5}, {0, 5}}};
    float held = LongueurPanneau(LongueurCote(q, 1), facteur);
    EXPECT_FLOAT_EQ(held, 100 * tenMillimetres);
    EXPECT_NEAR(held * 25.4 / 72, 1000, 1e-3);
    EXPECT_FLOAT_EQ(LongueurDocument(held, facteur), tenMillimetres);
}

TEST(Measures, DegreesFromRadians) {
    EXPECT_DOUBLE_EQ(EnDegres(static_cast<float>(std::numbers::pi)), 180.00000500895632);
    EXPECT_EQ(EnDegres(0), 0);
}

struct ButtonCase {
    float from;
    bool plus;
    bool tens;
    float to;
};

class AngleButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(AngleButtons, StepByOneOrToTheTensBelowThenByTen) {
    const ButtonCase& c = GetParam();
    EXPECT_EQ(AngleApresBouton(c.from, c.plus, c.tens), c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, AngleButtons,
    ::testing::Values(ButtonCase{35, true, true, 40}, ButtonCase{35, false, true, 20},
                      ButtonCase{30, true, true, 40}, ButtonCase{30, false, true, 20},
                      ButtonCase{-35, true, true, -30}, ButtonCase{-35, false, true, -50},
                      ButtonCase{180, true, false, 181}, ButtonCase{-180, false, false, -181},
                      ButtonCase{12.5f, false, false, 11.5f},
                      // An angle a hair under a multiple of ten, as float32 radians give it
                      // back, counts as that multiple.
                      ButtonCase{-230.00002f, true, true, -220},
                      ButtonCase{-230.00002f, false, true, -240}));

TEST(Measures, WholeDegreesAreRoundedDownWithinATolerance) {
    EXPECT_EQ(DegresEntiers(-0.5), -1);
    EXPECT_EQ(DegresEntiers(45.9), 45);
    EXPECT_EQ(DegresEntiers(9.99999), 10);
    EXPECT_EQ(DegresEntiers(9.99), 9);
    for (int degrees = -400; degrees <= 400; ++degrees)
        EXPECT_EQ(DegresEntiers(EnDegres(EnRadians(degrees))), degrees);
}

TEST(Kinds, NameTheirGroupInWindows1252) {
    EXPECT_STREQ(NomDeForme(Forme::Quelconque), "Quadrilat\xE8re");
    EXPECT_STREQ(NomDeForme(Forme::Carre), "Carr\xE9");
    EXPECT_STREQ(NomDeForme(Forme::Rectangle), "Rectangle");
    EXPECT_STREQ(NomDeForme(Forme::Losange), "Losange");
    EXPECT_STREQ(NomDeForme(Forme::Parallelogramme), "Parall\xE9logramme");
}

}  // namespace
