// Rebuilding the figure from lengths: the builders, the triangle apex and the choice of
// construction for each edited value and kind.
#include "geometry/constructions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/vecteurs.h"
#include "panel/panneau.h"
#include "plugin/hote/suites.h"
#include "tests/support/plugin_in_process.h"

namespace {

using Constructions = PluginInProcess;

void ExpectPoint(HostRealPoint actual, HostRealPoint expected, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.h, expected.h, tolerance);
    EXPECT_NEAR(actual.v, expected.v, tolerance);
}

TEST_F(Constructions, RectangleOnVertex1) {
    PlaceVertices({0, 0}, {10, 0}, {10, 5}, {0, 5});
    EXPECT_EQ(ConstruireRectangle(30, 20), kHostNoError);
    ExpectPoint(globals.Sommets[1].p, {30, 0});
    ExpectPoint(globals.Sommets[2].p, {30, 20});
    ExpectPoint(globals.Sommets[3].p, {0, 20});
    EXPECT_FLOAT_EQ(globals.Diagonale1, std::sqrt(1300.0f));
    EXPECT_FLOAT_EQ(globals.Diagonale2, std::sqrt(1300.0f));
    // Handles follow the anchors.
    EXPECT_EQ(globals.Sommets[2].in.h, globals.Sommets[2].p.h);
    EXPECT_EQ(globals.Sommets[2].out.v, globals.Sommets[2].p.v);
}

TEST_F(Constructions, ParallelogramKeepsTheDirectionOfSide2) {
    PlaceVertices({0, 0}, {10, 0}, {15, 5}, {5, 5});
    EXPECT_EQ(ConstruireParallelogramme(20, 10), kHostNoError);
    ExpectPoint(globals.Sommets[1].p, {20, 0});
    ExpectPoint(globals.Sommets[2].p, {27.071068f, 7.071068f});
    ExpectPoint(globals.Sommets[3].p, {7.071068f, 7.071068f});
    EXPECT_FLOAT_EQ(globals.Diagonale1, Distance({0, 0}, {27.071068f, 7.071068f}));
    EXPECT_FLOAT_EQ(globals.Diagonale2, Distance({20, 0}, {7.071068f, 7.071068f}));
}

TEST_F(Constructions, BuildersWorkAtDrawingScale) {
    // At 1/2 a panel length of 30 is 15 points in the document.
    globals.FacteurEchelle = 0.5f;
    PlaceVertices({0, 0}, {10, 0}, {10, 5}, {0, 5});
    ConstruireRectangle(30, 20);
    ExpectPoint(globals.Sommets[2].p, {15, 10});
    EXPECT_FLOAT_EQ(globals.Diagonale1, std::sqrt(1300.0f));
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

class Apexes : public Constructions, public ::testing::WithParamInterface<ApexCase> {};

TEST_P(Apexes, AreBuiltOrRefused) {
    const ApexCase& c = GetParam();
    HostPathSegment out{{-7, -7}, {-7, -7}, {-7, -7}, 1};
    PointApex(c.p, c.q, c.r, c.r1, c.r2, out);
    EXPECT_EQ(globals.Constructible != 0, c.accepted) << c.name;
    if (!c.accepted) {
        ExpectPoint(out.p, {-7, -7}, 0);  // untouched
        return;
    }
    ExpectPoint(out.p, c.expected);
    EXPECT_TRUE(std::isfinite(out.p.h) && std::isfinite(out.p.v)) << c.name;
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
        ApexCase{"coincident ends", {5, 5}, {5, 5}, {50, 10}, 3, 3, false, {}},
        ApexCase{"coincident ends, zero sides", {5, 5}, {5, 5}, {50, 10}, 0, 0, false, {}}));

TEST(ApexHeight, IsZeroWhenRoundingLeavesTheRemainderBelowZero) {
    EXPECT_FLOAT_EQ(HauteurApex(5, 3), 4);
    EXPECT_EQ(HauteurApex(5, 5), 0);
    float justOver = std::nextafter(5.0f, 10.0f);
    EXPECT_EQ(HauteurApex(5, justOver), 0);
    EXPECT_EQ(HauteurApex(5, -justOver), 0);
}

// The arbitrary square V1 (0,0), V2 (100,0), V3 (100,100), V4 (0,100) with diagonal 1
// held: each edit moves the vertex off the held diagonal.
class ArbitraryEdits : public Constructions {
  protected:
    void SetUp() override {
        PlaceVertices({0, 0}, {100, 0}, {100, 100}, {0, 100});
        globals.Cote1 = globals.Cote2 = globals.Cote3 = globals.Cote4 = 100;
        globals.Diagonale1 = globals.Diagonale2 = 141.42136f;
        globals.Diagonale1Active = 1;
    }
};

TEST_F(ArbitraryEdits, Side2WithDiagonal1HeldMovesVertex2) {
    // Vertex 2 away from where sides of 100 put it.
    PlaceVertices({0, 0}, {120, -30}, {100, 100}, {0, 100});
    globals.Cote2 = 100;
    Construire(ValeurEditee::Cote2);
    EXPECT_TRUE(globals.Constructible);
    ExpectPoint(globals.Sommets[1].p, {100, 0});
    EXPECT_NEAR(globals.Diagonale2, 141.42136f, 1e-3);
}

TEST_F(ArbitraryEdits, AnImpossibleSideIsRefusedAndTheVertexStays) {
    globals.Cote2 = 300;
    Construire(ValeurEditee::Cote2);
    EXPECT_FALSE(globals.Constructible);
    ExpectPoint(globals.Sommets[1].p, {100, 0}, 0);
}

TEST_F(ArbitraryEdits, Side3WithDiagonal2HeldMovesVertex3) {
    globals.Diagonale1Active = 0;
    globals.Cote3 = 90;
    globals.Cote2 = 80;
    Construire(ValeurEditee::Cote3);
    ASSERT_TRUE(globals.Constructible);
    EXPECT_NEAR(Distance(globals.Sommets[2].p, globals.Sommets[3].p), 90, 1e-3);
    EXPECT_NEAR(Distance(globals.Sommets[1].p, globals.Sommets[2].p), 80, 1e-3);
    // On the side of diagonal 2 where vertex 3 was.
    EXPECT_GT(globals.Sommets[2].p.h + globals.Sommets[2].p.v, 100);
    EXPECT_FLOAT_EQ(globals.Diagonale1, Distance(globals.Sommets[0].p, globals.Sommets[2].p));
}

TEST_F(ArbitraryEdits, Diagonal1SlidesVertex3AndRebuildsVertices2And4) {
    globals.Diagonale1 = 100;
    Construire(ValeurEditee::Diagonale1);
    ASSERT_TRUE(globals.Constructible);
    ExpectPoint(globals.Sommets[2].p, {70.710678f, 70.710678f});
    for (int v : {1, 3}) {
        EXPECT_NEAR(Distance(globals.Sommets[0].p, globals.Sommets[v].p), 100, 1e-3);
        EXPECT_NEAR(Distance(globals.Sommets[2].p, globals.Sommets[v].p), 100, 1e-3);
    }
    EXPECT_LT(globals.Sommets[1].p.v, globals.Sommets[1].p.h);  // vertex 2 stays below
    EXPECT_GT(globals.Sommets[3].p.v, globals.Sommets[3].p.h);  // vertex 4 stays above
}

TEST_F(ArbitraryEdits, ADiagonalEditIsRefusedWhenEitherTriangleIs) {
    // Vertex 2's triangle (sides 1 and 2 of 100) cannot span 250; vertex 4's can.
    globals.Cote3 = globals.Cote4 = 200;
    globals.Diagonale1 = 250;
    Construire(ValeurEditee::Diagonale1);
    EXPECT_FALSE(globals.Constructible);
}

struct KindCase {
    const char* name;
    HostBool32 Globals::*flag;
    ValeurEditee edited;
    float cote1, cote2;  // typed into the state record before
    float expected[4];   // Cote1 to Cote4 after
};

class RegularKinds : public Constructions, public ::testing::WithParamInterface<KindCase> {};

TEST_P(RegularKinds, CopyTheSidesTheKindImpliesAndBuildIt) {
    const KindCase& c = GetParam();
    PlaceVertices({0, 0}, {10, 0}, {15, 5}, {5, 5});
    globals.*c.flag = 1;
    globals.Cote1 = c.cote1;
    globals.Cote2 = c.cote2;
    Construire(c.edited);
    float sides[4] = {globals.Cote1, globals.Cote2, globals.Cote3, globals.Cote4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(sides[i], c.expected[i]) << c.name << " side " << i + 1;
        EXPECT_NEAR(Distance(globals.Sommets[i].p, globals.Sommets[(i + 1) % 4].p), c.expected[i],
                    1e-3)
            << c.name << " side " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Constructions, RegularKinds,
                         ::testing::Values(KindCase{"square, side 1",
                                                    &Globals::FormeCarre,
                                                    ValeurEditee::Cote1,
                                                    30,
                                                    7,
                                                    {30, 30, 30, 30}},
                                           KindCase{"rectangle, side 1",
                                                    &Globals::FormeRectangle,
                                                    ValeurEditee::Cote1,
                                                    30,
                                                    20,
                                                    {30, 20, 30, 20}},
                                           KindCase{"rectangle, side 2",
                                                    &Globals::FormeRectangle,
                                                    ValeurEditee::Cote2,
                                                    30,
                                                    20,
                                                    {30, 20, 30, 20}},
                                           KindCase{"rhombus, side 1",
                                                    &Globals::FormeLosange,
                                                    ValeurEditee::Cote1,
                                                    30,
                                                    7,
                                                    {30, 30, 30, 30}},
                                           KindCase{"rhombus, side 2",
                                                    &Globals::FormeLosange,
                                                    ValeurEditee::Cote2,
                                                    7,
                                                    25,
                                                    {25, 25, 25, 25}},
                                           KindCase{"parallelogram, side 2",
                                                    &Globals::FormeParallelogramme,
                                                    ValeurEditee::Cote2,
                                                    30,
                                                    12,
                                                    {30, 12, 30, 12}}));

}  // namespace

namespace {

// The constructions with the panel on screen: the lengths they derive reach its fields.
class ConstructionsShown : public PluginInProcess {
  protected:
    ConstructionsShown() {
        std::string error;
        EXPECT_TRUE(host.LoadPlugin(error)) << error;  // the panel's resources
        globals.EchelleNum = globals.EchelleDen = 1;
        panel_ = sADMDialog()->Create(sPlugin, "KVTOrtaq", 16400, kADMTabbedFloatingDialogStyle,
                                      InitialisationPanneau, nullptr, 1);
    }
    ~ConstructionsShown() override {
        sADMDialog()->Destroy(panel_);
        LibererSuites();  // the hold the panel's initialisation took
    }
    float Field(int32_t id) const { return host.dialogs.FindDialog(panel_)->Find(id)->value; }

    HostDialogRef panel_ = nullptr;
};

TEST_F(ConstructionsShown, ARectangleFillsEveryFieldButSide1) {
    PlaceVertices({0, 0}, {10, 0}, {10, 5}, {0, 5});
    globals.FormeRectangle = 1;
    globals.Cote1 = 30;
    globals.Cote2 = 20;
    Construire(ValeurEditee::Cote1);
    EXPECT_EQ(Field(3), 0);  // left as it is
    EXPECT_EQ(Field(5), 20);
    EXPECT_EQ(Field(7), 30);
    EXPECT_EQ(Field(9), 20);
    EXPECT_FLOAT_EQ(Field(11), std::sqrt(1300.0f));
    EXPECT_FLOAT_EQ(Field(13), std::sqrt(1300.0f));
}

TEST_F(ConstructionsShown, AnArbitraryEditShowsTheDiagonalThatFollows) {
    PlaceVertices({0, 0}, {120, -30}, {100, 100}, {0, 100});
    globals.Diagonale1Active = 1;
    globals.Cote1 = globals.Cote2 = 100;
    Construire(ValeurEditee::Cote2);
    EXPECT_NEAR(Field(13), 141.42136f, 1e-3);
    for (int32_t untouched : {3, 5, 7, 9, 11}) EXPECT_EQ(Field(untouched), 0) << untouched;
}

}  // namespace
