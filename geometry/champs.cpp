#include "geometry/champs.h"

#include "plugin/hote/suites.h"
#include "settings/globals.h"

namespace {

bool PanneauPret() {
    return gGlobals->Panneau != nullptr && SuitesPresentes(sADMDialog(), sADMItem());
}

}  // namespace

void AfficherLongueur(ChampLongueur champ, float longueur) {
    if (!PanneauPret()) return;
    sADMItem()->SetFloatValue(sADMDialog()->GetItem(gGlobals->Panneau, champ), longueur);
}

void RedessinerPanneau() {
    if (PanneauPret()) sADMDialog()->Invalidate(gGlobals->Panneau);
}
