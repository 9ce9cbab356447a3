#include "settings/figure_courante.h"

#include "geometry/mesures.h"
#include "settings/globals.h"

namespace {

constexpr float Globals::*kChamps[kNombreLongueurs] = {&Globals::Cote1,      &Globals::Cote2,
                                                       &Globals::Cote3,      &Globals::Cote4,
                                                       &Globals::Diagonale1, &Globals::Diagonale2};

}  // namespace

Forme FormeCourante() {
    if (gGlobals->FormeCarre) return Forme::Carre;
    if (gGlobals->FormeRectangle) return Forme::Rectangle;
    if (gGlobals->FormeLosange) return Forme::Losange;
    if (gGlobals->FormeParallelogramme) return Forme::Parallelogramme;
    return Forme::Quelconque;
}

float& LongueurCourante(Longueur longueur) {
    return gGlobals->*kChamps[static_cast<int>(longueur)];
}

float MesurerLongueur(Longueur longueur) {
    float mesure = Mesure(AncresDe(gGlobals->Sommets), longueur);
    return LongueurCourante(longueur) = LongueurPanneau(mesure, gGlobals->FacteurEchelle);
}

Figure FigureCourante() {
    Figure figure{AncresDe(gGlobals->Sommets), {}};
    for (Longueur longueur : kLongueurs) figure[longueur] = LongueurCourante(longueur);
    return figure;
}

void EnregistrerFigure(const Figure& figure) {
    PlacerSommets(gGlobals->Sommets, figure.quadrilatere);
    for (Longueur longueur : kLongueurs) LongueurCourante(longueur) = figure[longueur];
}

bool CreationEnCours() {
    return gGlobals->NbClics > 0;
}
