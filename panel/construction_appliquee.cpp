#include "tool/affichage_panneau.h"

#include "settings/figure_courante.h"
#include "settings/globals.h"

void AppliquerConstruction(const Construction& construction) {
    EnregistrerFigure(construction.figure);
    if (!construction.constructible) gGlobals->Constructible = 0;
    for (Longueur longueur : kLongueurs)
        if (construction.Rafraichie(longueur))
            AfficherLongueur(longueur, construction.figure[longueur]);
}
