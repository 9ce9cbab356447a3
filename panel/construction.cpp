#include "panel/construction.h"

#include "panel/champs.h"
#include "panel/construction_appliquee.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/trace.h"

HostErr Construire(Longueur editee, Forme forme) {
    Globals& g = *gGlobals;
    AppliquerConstruction(
        Reconstruire(FigureCourante(), editee, forme, g.Diagonale1Active != 0, g.FacteurEchelle));
    RedessinerPanneau();
    return EcritTrace();
}
