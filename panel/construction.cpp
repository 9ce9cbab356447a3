#include "panel/construction.h"

#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"
#include "tool/trace.h"

HostErr Construire(Longueur editee, Forme forme) {
    Globals& g = *gGlobals;
    AppliquerConstruction(
        Reconstruire(FigureCourante(), editee, forme, g.Diagonale1Active != 0, g.FacteurEchelle));
    RedessinerPanneau();
    return EcritTrace();
}
