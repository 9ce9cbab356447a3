#include "panel/champs.h"

#include "plugin/hote/suites.h"
#include "settings/globals.h"

namespace {

constexpr ItemPanneau kChamps[kNombreLongueurs] = {kChampCote1, kChampCote2,      kChampCote3,
                                                   kChampCote4, kChampDiagonale1, kChampDiagonale2};

bool PanneauPret() {
    return gGlobals->Panneau != nullptr && SuitesPresentes(sADMDialog(), sADMItem());
}

}  // namespace

ItemPanneau ChampDe(Longueur longueur) {
    return kChamps[static_cast<int>(longueur)];
}

void AfficherLongueur(Longueur longueur, float valeur) {
    if (!PanneauPret()) return;
    sADMItem()->SetFloatValue(sADMDialog()->GetItem(gGlobals->Panneau, ChampDe(longueur)), valeur);
}

void RedessinerPanneau() {
    if (PanneauPret()) sADMDialog()->Invalidate(gGlobals->Panneau);
}
