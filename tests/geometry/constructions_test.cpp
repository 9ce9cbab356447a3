// Rebuilding the figure from lengths: the builders, the triangle apex and the choice of
// construction for each edited value and kind, on values alone.
#include "geometry/constructions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "geometry/vecteurs.h"

namespace {

void ExpectPoint(HostRealPoint actual, HostRealPoint expected, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.h, expected.h, tolerance);
    EXPECT_NEAR(actual.v, expected.v, tolerance);
}

Figure FigureDe(Quadrilatere q, float cotes = 0) {
    return {q, {cotes, cotes, cotes, cotes, 0, 0}};
}

// The refreshed lengths as "1234" for sides and "D1", "D2" for diagonals: "234D1D2".
std::string Rafraichies(const Construction& c) {
    const char* noms[kNombreLongueurs] = {"1", "2", "3", "4", "D1", "D2"};
    std::string texte;
    for (Longueur longueur : kLongueurs)
        if (c.Rafraichie(longueur)) texte += noms[static_cast<int>(longueur)];
    return texte;
}

TEST(Builders, RectangleOnVertex1) {
    Construction c = ConstruireRectangle(FigureDe({{{0, 0}, {10, 0}, {10, 5}, {0, 5}}}), 30, 20, 1);
    const HostRealPoint* v = c.figure.quadrilatere.sommets;
    ExpectPoint(v[0], {0, 0}, 0);
    ExpectPoint(v[1], {30, 0});
    ExpectPoint(v[2], {30, 20});
    ExpectPoint(v[3], {0, 20});
    EXPECT_FLOAT_EQ(c.figure[Longueur::Diagonale1], std::sqrt(1300.0f));
    EXPECT_EQ(c.figure[Longueur::Diagonale2], c.figure[Longueur::Diagonale1]);
    EXPECT_TRUE(c.constructible);
    EXPECT_EQ(Rafraichies(c), "234D1D2");  // side 1's field is left as it is
}

TEST(Builders, ParallelogramKeepsTheDirectionOfSide2) {
    Construction c =
        ConstruireParallelogramme(FigureDe({{{0, 0}, {10, 0}, {15, 5}, {5, 5}}}), 20, 10, 1);
    const HostRealPoint* v = c.figure.quadrilatere.sommets;
    ExpectPoint(v[1], {20, 0});
    ExpectPoint(v[2], {27.071068f, 7.071068f});
    ExpectPoint(v[3], {7.071068f, 7.071068f});
    EXPECT_FLOAT_EQ(c.figure[Longueur::Diagonale1], Distance({0, 0}, {27.071068f, 7.071068f}));
    EXPECT_FLOAT_EQ(c.figure[Longueur::Diagonale2], Distance({20, 0}, {7.071068f, 7.071068f}));
    EXPECT_EQ(Rafraichies(c), "1234D1D2");
}

TEST(Builders, WorkAtDrawingScale) {
    // At 1/2 a panel length of 30 is 15 points in the document.
    Construction c =
        ConstruireRectangle(FigureDe({{{0, 0}, {10, 0}, {10, 5}, {0, 5}}}), 30, 20, 0.5f);
    ExpectPoint(c.figure.quadrilatere.sommets[2], {15, 10});
    EXPECT_FLOAT_EQ(c.figure[Longueur::Diagonale1], std::sqrt(1300.0f));
}

struct CandidateCase {
    HostRealPoint b;
    bool far;
    HostRealPoint expected;
};

class Candidates : public ::testing::TestWithParam<CandidateCase> {};

TEST_P(Candidates, PickTheNearerOrFartherPoint) {
    // The candidates are (0, 1) and (0, -1).
    HostRealPoint chosen =
        ChoisirCandidat(1, std::numbers::pi / 2, {0, 0}, GetParam().b, GetParam().far);
    ExpectPoint(chosen, GetParam().expected, 1e-6f);
}

INSTANTIATE_TEST_SUITE_P(
    Constructions, Candidates,
    ::testing::Values(CandidateCase{{0, 5}, false, {0, 1}}, CandidateCase{{0, 5}, true, {0, -1}},
                      CandidateCase{{0, -5}, false, {0, -1}}, CandidateCase{{0, -5}, true, {0, 1}},
                      // A tie: A - v when near, A + v when far.
                      CandidateCase{{5, 0}, false, {0, -1}}, CandidateCase{{5, 0}, true, {0, 1}}));

struct ApexCase {
    const char* name;
    HostRealPoint p, q, r;
    float r1, r2;
    bool accepted;
    HostRealPoint expected;  // when accepted
};

class Apexes : public ::testing::TestWithParam<ApexCase> {};

TEST_P(Apexes, AreBuiltOrRefused) {
    const ApexCase& c = GetParam();
    std::optional<HostRealPoint> apex = PointApex(c.p, c.q, c.r, c.r1, c.r2);
    ASSERT_EQ(apex.has_value(), c.accepted) << c.name;
    if (!apex) return;
    ExpectPoint(*apex, c.expected);
    EXPECT_TRUE(std::isfinite(apex->h) && std::isfinite(apex->v)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Constructions, Apexes,
    ::testing::Values(
        ApexCase{"right triangle, R above", {0, 0}, {100, 100}, {100, 0}, 100, 100, true, {100, 0}},
        ApexCase{"right triangle, R below", {0, 0}, {100, 100}, {0, 100}, 100, 100, true, {0, 100}},
        ApexCase{"too long a side", {0, 0}, {100, 100}, {100, 0}, 100, 300, false, {}},
        ApexCase{"too long the other side", {0, 0}, {100, 100}, {100, 0}, 300, 100, false, {}},
        ApexCase{"too short both sides", {0, 0}, {100, 0}, {50, 10}, 40, 50, false, {}},
        ApexCase{"flat: apex on the line", {0, 0}, {100, 0}, {50, 10}, 40, 60, true, {40, 0}},
        ApexCase{"flat beyond Q", {0, 0}, {100, 0}, {50, 10}, 150, 50, true, {150, 0}},
        // The sides fall short of the base by less than float32 can tell: r1 + r2 is
        // summed in double precision.
        ApexCase{"short by a fraction of a float32 step",
                 {0, 0},
                 {1 + 0x1p-23f, 0},
                 {0, 1},
                 1,
                 0x3p-25f,
                 false,
                 {}},
        // R on the line: the tie takes the point below it.
        ApexCase{
            "R on the line", {0, 0}, {100, 0}, {50, 0}, 70.710678f, 70.710678f, true, {50, -50}},
        ApexCase{"coincident ends", {5, 5}, {5, 5}, {50, 10}, 3, 3, false, {}},
        ApexCase{"coincident ends, zero sides", {5, 5}, {5, 5}, {50, 10}, 0, 0, false, {}}));

TEST(ApexHeight, IsZeroWhenRoundingLeavesTheRemainderBelowZero) {
    EXPECT_FLOAT_EQ(HauteurApex(5, 3), 4);
    EXPECT_EQ(HauteurApex(5, 5), 0);
    float justOver = std::nextafter(5.0f, 10.0f);
    EXPECT_EQ(HauteurApex(5, justOver), 0);
    EXPECT_EQ(HauteurApex(5, -justOver), 0);
}

// The arbitrary square V1 (0,0), V2 (100,0), V3 (100,100), V4 (0,100), every side 100.
Figure CarreQuelconque() {
    return {{{{0, 0}, {100, 0}, {100, 100}, {0, 100}}},
            {100, 100, 100, 100, 141.42136f, 141.42136f}};
}

Construction Quelconque(Figure figure, Longueur editee, bool diagonale1Active) {
    return Reconstruire(figure, editee, Forme::Quelconque, diagonale1Active, 1);
}

TEST(ArbitraryEdits, Side2WithDiagonal1HeldMovesVertex2) {
    Figure figure = CarreQuelconque();
    figure.quadrilatere.sommets[1] = {120, -30};  // away from where sides of 100 put it
    Construction c = Quelconque(figure, Longueur::Cote2, true);
    EXPECT_TRUE(c.constructible);
    ExpectPoint(c.figure.quadrilatere.sommets[1], {100, 0});
    EXPECT_NEAR(c.figure[Longueur::Diagonale2], 141.42136f, 1e-3);
    EXPECT_EQ(Rafraichies(c), "D2");
}

TEST(ArbitraryEdits, AnImpossibleSideIsRefusedAndTheVertexStays) {
    Figure figure = CarreQuelconque();
    figure[Longueur::Cote2] = 300;
    Construction c = Quelconque(figure, Longueur::Cote2, true);
    EXPECT_FALSE(c.constructible);
    ExpectPoint(c.figure.quadrilatere.sommets[1], {100, 0}, 0);
    EXPECT_EQ(c.figure[Longueur::Cote2], 300);  // the typed value stays
    EXPECT_EQ(Rafraichies(c), "D2");            // the diagonal follows the vertices as they are
}

TEST(ArbitraryEdits, Side3WithDiagonal2HeldMovesVertex3) {
    Figure figure = CarreQuelconque();
    figure[Longueur::Cote3] = 90;
    figure[Longueur::Cote2] = 80;
    Construction c = Quelconque(figure, Longueur::Cote3, false);
    ASSERT_TRUE(c.constructible);
    const HostRealPoint* v = c.figure.quadrilatere.sommets;
    EXPECT_NEAR(Distance(v[2], v[3]), 90, 1e-3);
    EXPECT_NEAR(Distance(v[1], v[2]), 80, 1e-3);
    // On the side of diagonal 2 where vertex 3 was.
    EXPECT_GT(v[2].h + v[2].v, 100);
    EXPECT_FLOAT_EQ(c.figure[Longueur::Diagonale1], Distance(v[0], v[2]));
    EXPECT_EQ(Rafraichies(c), "D1");
}

TEST(ArbitraryEdits, Diagonal1SlidesVertex3AndRebuildsVertices2And4) {
    Figure figure = CarreQuelconque();
    figure[Longueur::Diagonale1] = 100;
    Construction c = Quelconque(figure, Longueur::Diagonale1, true);
    ASSERT_TRUE(c.constructible);
    const HostRealPoint* v = c.figure.quadrilatere.sommets;
    ExpectPoint(v[2], {70.710678f, 70.710678f});
    for (int i : {1, 3}) {
        EXPECT_NEAR(Distance(v[0], v[i]), 100, 1e-3);
        EXPECT_NEAR(Distance(v[2], v[i]), 100, 1e-3);
    }
    EXPECT_LT(v[1].v, v[1].h);  // vertex 2 stays below
    EXPECT_GT(v[3].v, v[3].h);  // vertex 4 stays above
    EXPECT_EQ(Rafraichies(c), "D2");
}

TEST(ArbitraryEdits, ADiagonalEditIsRefusedWhenEitherTriangleIs) {
    // Vertex 2's triangle (sides 1 and 2 of 100) cannot span 250; vertex 4's can.
    Figure figure = CarreQuelconque();
    figure[Longueur::Cote3] = figure[Longueur::Cote4] = 200;
    figure[Longueur::Diagonale1] = 250;
    Construction c = Quelconque(figure, Longueur::Diagonale1, true);
    EXPECT_FALSE(c.constructible);
    ExpectPoint(c.figure.quadrilatere.sommets[1], {100, 0}, 0);
    EXPECT_NEAR(Distance(c.figure.quadrilatere.sommets[3], {0, 0}), 200, 1e-3);
}

struct KindCase {
    const char* name;
    Forme forme;
    Longueur edited;
    float cote1, cote2;     // in the figure before
    float expected[4];      // Cote1 to Cote4 after
    const char* refreshed;  // as Rafraichies writes them
};

class RegularKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(RegularKinds, CopyTheSidesTheKindImpliesAndBuildIt) {
    const KindCase& c = GetParam();
    Figure figure = FigureDe({{{0, 0}, {10, 0}, {15, 5}, {5, 5}}});
    figure[Longueur::Cote1] = c.cote1;
    figure[Longueur::Cote2] = c.cote2;
    Construction result = Reconstruire(figure, c.edited, c.forme, true, 1);
    const Quadrilatere& q = result.figure.quadrilatere;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(result.figure.longueurs[i], c.expected[i]) << c.name << " side " << i + 1;
        EXPECT_NEAR(Distance(q.sommets[i], q.sommets[(i + 1) % 4]), c.expected[i], 1e-3)
            << c.name << " side " << i + 1;
    }
    EXPECT_EQ(Rafraichies(result), c.refreshed) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Constructions, RegularKinds,
    ::testing::Values(
        KindCase{
            "square, side 1", Forme::Carre, Longueur::Cote1, 30, 7, {30, 30, 30, 30}, "234D1D2"},
        KindCase{"rectangle, side 1",
                 Forme::Rectangle,
                 Longueur::Cote1,
                 30,
                 20,
                 {30, 20, 30, 20},
                 "234D1D2"},
        KindCase{"rectangle, side 2",
                 Forme::Rectangle,
                 Longueur::Cote2,
                 30,
                 20,
                 {30, 20, 30, 20},
                 "234D1D2"},
        KindCase{"rhombus, side 1",
                 Forme::Losange,
                 Longueur::Cote1,
                 30,
                 7,
                 {30, 30, 30, 30},
                 "1234D1D2"},
        KindCase{"rhombus, side 2",
                 Forme::Losange,
                 Longueur::Cote2,
                 7,
                 25,
                 {25, 25, 25, 25},
                 "1234D1D2"},
        KindCase{"parallelogram, side 2",
                 Forme::Parallelogramme,
                 Longueur::Cote2,
                 30,
                 12,
                 {30, 12, 30, 12},
                 "1234D1D2"}));

// Every float32 rounding step of a construction shows in its result: these are the exact
// results, to the last bit, of irregular figures at several drawing scales.
struct Edit {
    int figure;  // index into kFigures
    Forme forme;
    bool diagonale1Active;
    Longueur edited;
    float facteur;
};

struct ExactCase {
    const char* name;
    Edit edit;
    float longueurs[kNombreLongueurs];  // before, the edited value in place
    bool constructible;
    Quadrilatere expected;
    float expectedLongueurs[kNombreLongueurs];
};

const Quadrilatere kFigures[] = {
    {{{12.3f, -4.7f}, {118.9f, 7.1f}, {131.4f, 96.2f}, {3.3f, 88.8f}}},
    {{{-50.25f, 30.5f}, {40.125f, -20.75f}, {95.5f, 60.3f}, {10.7f, 110.9f}}},
    {{{-92.4f, 62.4f}, {181.7f, 14.4f}, {150, 120}, {-80, 150}}},
};

class ExactResults : public ::testing::TestWithParam<ExactCase> {};

TEST_P(ExactResults, KeepEveryRoundingStep) {
    const ExactCase& c = GetParam();
    const Edit& e = c.edit;
    Figure figure{kFigures[e.figure], {}};
    for (int i = 0; i < kNombreLongueurs; ++i) figure.longueurs[i] = c.longueurs[i];
    Construction result = Reconstruire(figure, e.edited, e.forme, e.diagonale1Active, e.facteur);
    EXPECT_EQ(result.constructible, c.constructible) << c.name;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(result.figure.quadrilatere.sommets[i].h, c.expected.sommets[i].h)
            << c.name << " vertex " << i + 1;
        EXPECT_EQ(result.figure.quadrilatere.sommets[i].v, c.expected.sommets[i].v)
            << c.name << " vertex " << i + 1;
    }
    for (int i = 0; i < kNombreLongueurs; ++i)
        EXPECT_EQ(result.figure.longueurs[i], c.expectedLongueurs[i]) << c.name << " length " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Constructions, ExactResults,
    ::testing::Values(
        ExactCase{"arbitrary side 1, diagonal 1 held",
                  {0, Forme::Quelconque, true, Longueur::Cote1, 1},
                  {100.5f, 95.3f, 70.9f, 85.1f, 130.6f, 125.4f},
                  true,
                  {{{12.3000002f, -4.69999981f},
                    {112.520599f, 2.78876114f},
                    {131.399994f, 96.1999969f},
                    {3.29999995f, 88.8000031f}}},
                  {100.5f, 95.3000031f, 70.9000015f, 85.0999985f, 130.600006f, 139.021851f}},
        ExactCase{"arbitrary side 2, diagonal 2 held",
                  {1, Forme::Quelconque, false, Longueur::Cote2, 1},
                  {80.2f, 90.25f, 70.9f, 85.1f, 130.6f, 125.4f},
                  true,
                  {{{-50.25f, 30.5f},
                    {40.125f, -20.75f},
                    {65.4639969f, 65.8698502f},
                    {10.6999998f, 110.900002f}}},
                  {80.1999969f, 90.25f, 70.9000015f, 85.0999985f, 120.998993f, 125.400002f}},
        ExactCase{"arbitrary side 3, diagonal 2 held, at 1/2",
                  {0, Forme::Quelconque, false, Longueur::Cote3, 0.5f},
                  {160.4f, 190.6f, 190.3f, 170.2f, 261.2f, 250.8f},
                  true,
                  {{{12.3000002f, -4.69999981f},
                    {118.900002f, 7.0999999f},
                    {97.7848053f, 100.031372f},
                    {3.29999995f, 88.8000031f}}},
                  {160.399994f, 190.600006f, 190.300003f, 170.199997f, 270.379822f, 250.800003f}},
        ExactCase{"arbitrary side 4, diagonal 1 held, at 3/7",
                  {0, Forme::Quelconque, true, Longueur::Cote4, 3.0f / 7.0f},
                  {187.1f, 222.4f, 215.3f, 190.9f, 304.7f, 292.6f},
                  true,
                  {{{12.3000002f, -4.69999981f},
                    {118.900002f, 7.0999999f},
                    {131.399994f, 96.1999969f},
                    {42.546772f, 71.3178406f}}},
                  {187.100006f, 222.399994f, 215.300003f, 190.899994f, 304.700012f, 232.793076f}},
        ExactCase{"diagonal 1",
                  {1, Forme::Quelconque, true, Longueur::Diagonale1, 1},
                  {80.2f, 95.3f, 70.9f, 85.1f, 150.7f, 125.4f},
                  true,
                  {{{-50.25f, 30.5f},
                    {23.9216633f, -0.00579071045f},
                    {97.3955231f, 60.6875572f},
                    {26.7533321f, 66.7283936f}}},
                  {80.1999969f, 95.3000031f, 70.9000015f, 85.0999985f, 150.699997f, 66.7942352f}},
        ExactCase{"diagonal 2 at 1/100",
                  {1, Forme::Quelconque, false, Longueur::Diagonale2, 0.01f},
                  {8020, 9530, 7090, 8510, 13060, 12030},
                  true,
                  {{{-30.717844f, 36.559082f},
                    {36.9407043f, -6.50321198f},
                    {74.9375916f, 80.8943024f},
                    {10.6999998f, 110.900002f}}},
                  {8020, 9530, 7090, 8510, 11458.0469f, 12030}},
        ExactCase{"square side 1",
                  {0, Forme::Carre, true, Longueur::Cote1, 1},
                  {77.7f, 95.3f, 70.9f, 85.1f, 130.6f, 125.4f},
                  true,
                  {{{12.3000002f, -4.69999981f},
                    {89.5282974f, 3.84872246f},
                    {80.9795685f, 81.0770111f},
                    {3.75127506f, 72.5282898f}}},
                  {77.6999969f, 77.6999969f, 77.6999969f, 77.6999969f, 109.884384f, 109.884384f}},
        ExactCase{"rectangle side 2 at 5/2",
                  {0, Forme::Rectangle, true, Longueur::Cote2, 2.5f},
                  {32.08f, 44.4f, 28.36f, 34.04f, 52.24f, 50.16f},
                  true,
                  {{{12.3000002f, -4.69999981f},
                    {92.0131226f, 4.12377834f},
                    {79.8006592f, 114.449913f},
                    {0.0875358582f, 105.626137f}}},
                  {32.0800018f, 44.4000015f, 32.0800018f, 44.4000015f, 54.7766953f, 54.7766953f}},
        ExactCase{"rhombus side 2",
                  {0, Forme::Losange, true, Longueur::Cote2, 1},
                  {80.2f, 55.5f, 70.9f, 85.1f, 130.6f, 125.4f},
                  true,
                  {{{12.3000002f, -4.69999981f},
                    {67.4630661f, 1.40623045f},
                    {75.1737518f, 56.3679924f},
                    {20.0106888f, 50.2617607f}}},
                  {55.5f, 55.5f, 55.5f, 55.5f, 87.6493454f, 68.1072006f}},
        ExactCase{"parallelogram side 1 at 1/2",
                  {1, Forme::Parallelogramme, true, Longueur::Cote1, 0.5f},
                  {66.6f, 190.6f, 141.8f, 170.2f, 261.2f, 250.8f},
                  true,
                  {{{-50.25f, 30.5f},
                    {-21.2834187f, 14.0735836f},
                    {32.4778748f, 92.7616653f},
                    {3.51129532f, 109.18808f}}},
                  {66.5999985f, 190.600006f, 66.5999985f, 190.600006f, 207.078888f, 196.586319f}},
        // The quarter turn is added in double precision: in float32, vertex 3 would move.
        ExactCase{"rectangle side 1, a quarter turn away",
                  {2, Forme::Rectangle, true, Longueur::Cote1, 1},
                  {93.2f, 104.2f, 0, 0, 0, 0},
                  true,
                  {{{-92.4f, 62.4f},
                    {-0.597015381f, 46.3235931f},
                    {17.3768196f, 148.9617f},
                    {-74.4261703f, 165.038116f}}},
                  {93.2f, 104.2f, 93.2f, 104.2f, 139.799423f, 139.799423f}},
        ExactCase{"refused side 2",
                  {0, Forme::Quelconque, true, Longueur::Cote2, 1},
                  {80.2f, 500, 70.9f, 85.1f, 130.6f, 125.4f},
                  false,
                  {{{12.3000002f, -4.69999981f},
                    {118.900002f, 7.0999999f},
                    {131.399994f, 96.1999969f},
                    {3.29999995f, 88.8000031f}}},
                  {80.1999969f, 500, 70.9000015f, 85.0999985f, 130.600006f, 141.556534f}},
        ExactCase{"diagonal 1 with vertex 2 refused",
                  {1, Forme::Quelconque, true, Longueur::Diagonale1, 1},
                  {80.2f, 95.3f, 120.7f, 110.3f, 200, 125.4f},
                  false,
                  {{{-50.25f, 30.5f},
                    {40.125f, -20.75f},
                    {145.696289f, 70.563118f},
                    {30.2773247f, 105.875336f}}},
                  {80.1999969f, 95.3000031f, 120.699997f, 110.300003f, 200, 127.007683f}}));

}  // namespace
