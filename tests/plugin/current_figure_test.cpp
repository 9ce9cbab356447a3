// The figure as the state record holds it.
#include "settings/figure_courante.h"

#include <gtest/gtest.h>

#include "tests/support/plugin_in_process.h"
#include "tool/affichage_panneau.h"

namespace {

using CurrentFigure = PluginInProcess;

TEST_F(CurrentFigure, TheKindIsTheFirstFlagSetInOrder) {
    EXPECT_EQ(FormeCourante(), Forme::Quelconque);
    globals.FormeParallelogramme = 1;
    EXPECT_EQ(FormeCourante(), Forme::Parallelogramme);
    globals.FormeLosange = 1;
    EXPECT_EQ(FormeCourante(), Forme::Losange);
    globals.FormeRectangle = 1;
    EXPECT_EQ(FormeCourante(), Forme::Rectangle);
    globals.FormeCarre = 1;
    EXPECT_EQ(FormeCourante(), Forme::Carre);
}

TEST_F(CurrentFigure, GoesIntoTheRecordAndComesBack) {
    Figure figure{{{{1, 2}, {3, 4}, {5, 6}, {7, 8}}}, {11, 12, 13, 14, 15, 16}};
    globals.Sommets[2].in = {9, 9};
    EnregistrerFigure(figure);
    float Globals::*const fields[kNombreLongueurs] = {&Globals::Cote1,      &Globals::Cote2,
                                                      &Globals::Cote3,      &Globals::Cote4,
                                                      &Globals::Diagonale1, &Globals::Diagonale2};
    for (int i = 0; i < kNombreLongueurs; ++i) {
        EXPECT_EQ(globals.*fields[i], figure.longueurs[i]) << i;
        EXPECT_EQ(&LongueurCourante(kLongueurs[i]), &(globals.*fields[i])) << i;
    }
    for (int i = 0; i < 4; ++i) {
        const HostPathSegment& s = globals.Sommets[i];
        for (HostRealPoint point : {s.p, s.in, s.out}) {
            EXPECT_EQ(point.h, figure.quadrilatere.sommets[i].h) << i;
            EXPECT_EQ(point.v, figure.quadrilatere.sommets[i].v) << i;
        }
    }
    Figure back = FigureCourante();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(back.quadrilatere.sommets[i].h, 2 * i + 1.0f);
    for (int i = 0; i < kNombreLongueurs; ++i) EXPECT_EQ(back.longueurs[i], 11.0f + i);
}

TEST_F(CurrentFigure, TheAreaComesFromTheAnchors) {
    PlaceVertices({10, 20}, {40, 20}, {40, 40}, {10, 40});
    EXPECT_EQ(CalculerAire(), kHostNoError);
    EXPECT_EQ(globals.AirePoints, 600);
}

}  // namespace
