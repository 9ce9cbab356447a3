#include "panel/construction.h"

#include "panel/champs.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/trace.h"

void AppliquerConstruction(const Construction& construction) {
    EnregistrerFigure(construction.figure);
    if (!construction.constructible) gGlobals->Constructible = 0;
    for (Longueur longueur : kLongueurs)
        if (construction.Rafraichie(longueur))
            AfficherLongueur(longueur, construction.figure[longueur]);
}

HostErr Construire(Longueur editee) {
    Globals& g = *gGlobals;
    AppliquerConstruction(Reconstruire(FigureCourante(), editee, FormeCourante(),
                                       g.Diagonale1Active != 0, g.FacteurEchelle));
    RedessinerPanneau();
    return EcritTrace();
}
