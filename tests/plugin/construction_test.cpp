// A length typed in the panel: the construction runs on the state record, its results go
// back into the record and the panel's fields, and the figure is committed.
#include "panel/construction.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/vecteurs.h"
#include "plugin/hote/suites.h"
#include "tests/support/plugin_in_process.h"

namespace {

using ConstructionFromPanel = PluginInProcess;

TEST_F(ConstructionFromPanel, TheRecordTakesTheNewVerticesAndLengths) {
    PlaceVertices({0, 0}, {10, 0}, {15, 5}, {5, 5});
    globals.Cote1 = 7;
    globals.Cote2 = 25;
    Construire(Longueur::Cote2, Forme::Losange);
    for (float cote : {globals.Cote1, globals.Cote2, globals.Cote3, globals.Cote4})
        EXPECT_EQ(cote, 25);
    for (int i = 0; i < 4; ++i) {
        const HostPathSegment& s = globals.Sommets[i];
        EXPECT_NEAR(Distance(s.p, globals.Sommets[(i + 1) % 4].p), 25, 1e-3) << i;
        EXPECT_EQ(s.in.h, s.p.h) << i;
        EXPECT_EQ(s.out.v, s.p.v) << i;
    }
    EXPECT_FLOAT_EQ(globals.Diagonale1, Distance(globals.Sommets[0].p, globals.Sommets[2].p));
    EXPECT_TRUE(globals.Constructible);
}

TEST_F(ConstructionFromPanel, ARefusedTriangleClearsConstructibleAndLeavesTheVertex) {
    PlaceVertices({0, 0}, {100, 0}, {100, 100}, {0, 100});
    globals.Cote1 = globals.Cote3 = globals.Cote4 = 100;
    globals.Cote2 = 300;
    globals.Diagonale1Active = 1;
    Construire(Longueur::Cote2, Forme::Quelconque);
    EXPECT_FALSE(globals.Constructible);
    EXPECT_EQ(globals.Sommets[1].p.h, 100);
    EXPECT_EQ(globals.Sommets[1].p.v, 0);
    EXPECT_EQ(globals.Cote2, 300);
}

TEST_F(ConstructionFromPanel, AnAcceptedOneLeavesConstructibleAsItWas) {
    // Only the length notifier sets it before constructing.
    PlaceVertices({0, 0}, {100, 0}, {100, 100}, {0, 100});
    globals.Cote1 = globals.Cote2 = globals.Cote3 = globals.Cote4 = 100;
    globals.Constructible = 0;
    Construire(Longueur::Cote1, Forme::Quelconque);
    EXPECT_FALSE(globals.Constructible);
}

// The constructions with the panel on screen: the lengths they derive reach its fields.
using ConstructionShown = PluginWithPanel;

TEST_F(ConstructionShown, ARectangleFillsEveryFieldButSide1) {
    PlaceVertices({0, 0}, {10, 0}, {10, 5}, {0, 5});
    globals.Cote1 = 30;
    globals.Cote2 = 20;
    Construire(Longueur::Cote1, Forme::Rectangle);
    EXPECT_EQ(Field(3), 0);  // left as it is
    EXPECT_EQ(Field(5), 20);
    EXPECT_EQ(Field(7), 30);
    EXPECT_EQ(Field(9), 20);
    EXPECT_FLOAT_EQ(Field(11), std::sqrt(1300.0f));
    EXPECT_FLOAT_EQ(Field(13), std::sqrt(1300.0f));
}

TEST_F(ConstructionShown, AnArbitraryEditShowsTheDiagonalThatFollows) {
    PlaceVertices({0, 0}, {120, -30}, {100, 100}, {0, 100});
    globals.Diagonale1Active = 1;
    globals.Cote1 = globals.Cote2 = 100;
    Construire(Longueur::Cote2, Forme::Quelconque);
    EXPECT_NEAR(Field(13), 141.42136f, 1e-3);
    for (int32_t untouched : {3, 5, 7, 9, 11}) EXPECT_EQ(Field(untouched), 0) << untouched;
}

}  // namespace
