#include "panel/construction.h"

#include "geometry/constructions.h"
#include "panel/champs.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/trace.h"

HostErr Construire(Longueur editee) {
    Globals& g = *gGlobals;
    Construction construction = Reconstruire(FigureCourante(), editee, FormeCourante(),
                                             g.Diagonale1Active != 0, g.FacteurEchelle);
    EnregistrerFigure(construction.figure);
    if (!construction.constructible) g.Constructible = 0;
    for (Longueur longueur : kLongueurs)
        if (construction.Rafraichie(longueur))
            AfficherLongueur(longueur, construction.figure[longueur]);
    RedessinerPanneau();
    return EcritTrace();
}
