// The quadrilateral's measures, vector operations and kinds.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/formes.h"
#include "geometry/mesures.h"
#include "geometry/vecteurs.h"
#include "plugin/suites.h"
#include "tests/support/plugin_in_process.h"
#include "tool/trace.h"

namespace {

using Measures = PluginInProcess;

struct AreaCase {
    const char* name;
    HostRealPoint v[4];
    float area;
};

class Areas : public Measures, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(Areas, FollowTheShoelaceFormula) {
    const AreaCase& c = GetParam();
    PlaceVertices(c.v[0], c.v[1], c.v[2], c.v[3]);
    EXPECT_EQ(CalculerAire(), kHostNoError);
    EXPECT_FLOAT_EQ(globals.AirePoints, c.area) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, Areas,
    ::testing::Values(
        AreaCase{"counter-clockwise square", {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 1},
        AreaCase{"clockwise square", {{0, 0}, {0, 1}, {1, 1}, {1, 0}}, 1},
        AreaCase{"crossed order", {{0, 0}, {1, 1}, {1, 0}, {0, 1}}, 0},
        AreaCase{"rectangle off the origin", {{10, 20}, {40, 20}, {40, 40}, {10, 40}}, 600},
        AreaCase{"kite", {{0, 0}, {2, -1}, {4, 0}, {2, 3}}, 8}));

struct InclinationCase {
    HostRealPoint v4;
    double radians;
};

class Inclinations : public Measures, public ::testing::WithParamInterface<InclinationCase> {};

TEST_P(Inclinations, AreTheDirectionFromVertex1ToVertex4) {
    PlaceVertices({0, 0}, {5, 5}, {7, 7}, GetParam().v4);
    EXPECT_EQ(InclinaisonDesSommets(), static_cast<float>(GetParam().radians));
}

INSTANTIATE_TEST_SUITE_P(Geometry, Inclinations,
                         ::testing::Values(InclinationCase{{0, 10}, std::numbers::pi / 2},
                                           InclinationCase{{-10, 0}, std::numbers::pi},
                                           InclinationCase{{10, 0}, 0},
                                           InclinationCase{{0, -10}, -std::numbers::pi / 2}));

TEST_F(Measures, PanelLengthsAreDocumentLengthsOverTheDrawingScale) {
    // At 1/100, a side measuring 10 mm in the document stands for 1000 mm.
    globals.FacteurEchelle = 1.0f / 100;
    float tenMillimetres = 10 * 72 / 25.4f;
    PlaceVertices({0, 0}, {tenMillimetres, 0}, {tenMillimetres, 5}, {0, 5});
    float held = LongueurEntre(0, 1);
    EXPECT_FLOAT_EQ(held, 100 * tenMillimetres);
    EXPECT_NEAR(held * 25.4 / 72, 1000, 1e-3);
    EXPECT_FLOAT_EQ(LongueurDocument(held), tenMillimetres);
}

TEST(Vectors, OperationsOnPoints) {
    EXPECT_FLOAT_EQ(Distance({1, 1}, {4, 5}), 5);
    EXPECT_FLOAT_EQ(Direction({1, 1}, {2, 2}), static_cast<float>(std::numbers::pi / 4));
    HostRealPoint polar = PointPolaire(2, std::numbers::pi / 2);
    EXPECT_NEAR(polar.h, 0, 1e-6);
    EXPECT_FLOAT_EQ(polar.v, 2);
    HostRealPoint sum = Somme({1, 2}, {3, -4});
    EXPECT_EQ(sum.h, 4);
    EXPECT_EQ(sum.v, -2);
    HostRealPoint foot = Projection({3, 5}, {0, 0}, {10, 0});
    EXPECT_EQ(foot.h, 3);
    EXPECT_EQ(foot.v, 0);
    EXPECT_EQ(ProduitVectoriel({0, 0}, {2, 0}, {0, 0}, {0, 3}), 6);
    EXPECT_EQ(ProduitVectoriel({0, 0}, {0, 3}, {0, 0}, {2, 0}), -6);
}

TEST(Vectors, PlacingAVertexPutsBothHandlesOnIt) {
    HostPathSegment sommet{{1, 1}, {2, 2}, {3, 3}, 1};
    PlacerSommet(sommet, {7, 8});
    for (HostRealPoint p : {sommet.p, sommet.in, sommet.out}) {
        EXPECT_EQ(p.h, 7);
        EXPECT_EQ(p.v, 8);
    }
    EXPECT_EQ(sommet.corner, 1);
}

TEST_F(Measures, TheKindIsTheFirstFlagSetInOrder) {
    EXPECT_EQ(FormeCourante(), Forme::Quelconque);
    globals.FormeParallelogramme = 1;
    EXPECT_EQ(FormeCourante(), Forme::Parallelogramme);
    globals.FormeRectangle = 1;
    EXPECT_EQ(FormeCourante(), Forme::Rectangle);
    globals.FormeCarre = 1;
    EXPECT_EQ(FormeCourante(), Forme::Carre);
}

TEST_F(Measures, NamingTheGroupFollowsTheKindAndReplacesTheUsersName) {
    ASSERT_EQ(PrepareGroupe(&message), kHostNoError);
    auto groupName = [&] { return LayerState(0).at("art").at(0).at("name").get<std::string>(); };
    EXPECT_EQ(groupName(), "Quadrilatère");

    struct {
        HostBool32 Globals::*flag;
        const char* name;
    } kinds[] = {{&Globals::FormeCarre, "Carré"},
                 {&Globals::FormeRectangle, "Rectangle"},
                 {&Globals::FormeLosange, "Losange"},
                 {&Globals::FormeParallelogramme, "Parallélogramme"}};
    for (const auto& kind : kinds) {
        globals.FormeCarre = globals.FormeRectangle = globals.FormeLosange =
            globals.FormeParallelogramme = 0;
        globals.*kind.flag = 1;
        sAIArt()->SetArtName(globals.GroupeCourant, "Mon groupe");
        EXPECT_EQ(NommerGroupe(true), kHostNoError);
        EXPECT_EQ(groupName(), kind.name);
    }
}

TEST_F(Measures, NamingADeletedGroupWithTheCheckChangesNothing) {
    ASSERT_EQ(PrepareGroupe(&message), kHostNoError);
    HostArtHandle group = globals.GroupeCourant;
    sAIArt()->DisposeArt(group);
    host::Json before = Document();
    EXPECT_EQ(NommerGroupe(true), kHostErrBadHandle);
    EXPECT_EQ(Document().dump(), before.dump());
}

}  // namespace
