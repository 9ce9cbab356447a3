// Vector operations on points and the quadrilateral value, with their answers for
// degenerate input.
#include <gtest/gtest.h>

#include <numbers>

#include "geometry/quadrilatere.h"
#include "geometry/vecteurs.h"

namespace {

TEST(Vectors, OperationsOnPoints) {
    EXPECT_FLOAT_EQ(Distance({1, 1}, {4, 5}), 5);
    EXPECT_FLOAT_EQ(Direction({1, 1}, {2, 2}), static_cast<float>(std::numbers::pi / 4));
    HostRealPoint polar = PointPolaire(2, std::numbers::pi / 2);
    EXPECT_NEAR(polar.h, 0, 1e-6);
    EXPECT_FLOAT_EQ(polar.v, 2);
    HostRealPoint sum = Somme({1, 2}, {3, -4});
    EXPECT_EQ(sum.h, 4);
    EXPECT_EQ(sum.v, -2);
    HostRealPoint difference = Difference({1, 2}, {3, -4});
    EXPECT_EQ(difference.h, -2);
    EXPECT_EQ(difference.v, 6);
    HostRealPoint foot = Projection({3, 5}, {0, 0}, {10, 0});
    EXPECT_EQ(foot.h, 3);
    EXPECT_EQ(foot.v, 0);
    EXPECT_EQ(ProduitVectoriel({0, 0}, {2, 0}, {0, 0}, {0, 3}), 6);
    EXPECT_EQ(ProduitVectoriel({0, 0}, {0, 3}, {0, 0}, {2, 0}), -6);
}

TEST(Vectors, TheDirectionBetweenEqualPointsIsZero) {
    for (HostRealPoint p : {HostRealPoint{0, 0}, HostRealPoint{-3.5f, 7.25f}})
        EXPECT_EQ(Direction(p, p), 0);
}

struct ProjectionCase {
    const char* name;
    HostRealPoint a, b;
    HostRealPoint expected;
    float error;  // how far from EXPECTED the rounding may put it
};

class Projections : public ::testing::TestWithParam<ProjectionCase> {};

TEST_P(Projections, OfTheSamePoint) {
    const ProjectionCase& c = GetParam();
    HostRealPoint foot = Projection({3, 5}, c.a, c.b);
    EXPECT_NEAR(foot.h, c.expected.h, c.error) << c.name;
    EXPECT_NEAR(foot.v, c.expected.v, c.error) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, Projections,
    ::testing::Values(
        ProjectionCase{"a line", {0, 1}, {10, 1}, {3, 1}, 0},
        // No line through one point: the answer is that point, not NaN.
        ProjectionCase{"equal points", {7, 2}, {7, 2}, {7, 2}, 0},
        ProjectionCase{
            "points closer than the tolerance", {7, 2}, {7, 2 + kTolerance / 2}, {7, 2}, 0},
        ProjectionCase{
            "points twice the tolerance apart", {0, 2}, {2 * kTolerance, 2}, {3, 2}, 1e-3f}));

TEST(Quadrilateral, PlacingAVertexPutsBothHandlesOnIt) {
    HostPathSegment sommet{{1, 1}, {2, 2}, {3, 3}, 1};
    PlacerSommet(sommet, {7, 8});
    for (HostRealPoint p : {sommet.p, sommet.in, sommet.out}) {
        EXPECT_EQ(p.h, 7);
        EXPECT_EQ(p.v, 8);
    }
    EXPECT_EQ(sommet.corner, 1);
}

TEST(Quadrilateral, TravelsBetweenPathSegmentsAndAnchors) {
    HostPathSegment sommets[4] = {};
    Quadrilatere carre{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
    PlacerSommets(sommets, carre);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(sommets[i].in.h, carre.sommets[i].h);
        EXPECT_EQ(sommets[i].out.v, carre.sommets[i].v);
    }
    sommets[2].in = {9, 9};  // only the anchors make the figure
    Quadrilatere lu = AncresDe(sommets);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(lu.sommets[i].h, carre.sommets[i].h);
        EXPECT_EQ(lu.sommets[i].v, carre.sommets[i].v);
    }
}

}  // namespace
