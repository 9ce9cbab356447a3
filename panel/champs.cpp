#include "panel/champs.h"

#include "geometry/mesures.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"

namespace {

constexpr ItemPanneau kChamps[kNombreLongueurs] = {kChampCote1, kChampCote2,      kChampCote3,
                                                   kChampCote4, kChampDiagonale1, kChampDiagonale2};

bool PanneauPret() {
    return gGlobals->Panneau != nullptr && SuitesPresentes(sADMDialog(), sADMItem());
}

void Ecrire(ItemPanneau id, float valeur) {
    sADMItem()->SetFloatValue(sADMDialog()->GetItem(gGlobals->Panneau, id), valeur);
}

}  // namespace

ItemPanneau ChampDe(Longueur longueur) {
    return kChamps[static_cast<int>(longueur)];
}

void AfficherLongueur(Longueur longueur, float valeur) {
    if (PanneauPret()) Ecrire(ChampDe(longueur), valeur);
}

void AfficherPosition(HostRealPoint ancre) {
    if (!PanneauPret()) return;
    Ecrire(kChampPositionH, ancre.h);
    Ecrire(kChampPositionV, ancre.v);
}

void AfficherInclinaison(float radians) {
    AfficherDegres(static_cast<float>(EnDegres(radians)));
}

void AfficherDegres(float degres) {
    if (PanneauPret()) Ecrire(kCurseurInclinaison, degres);
}

void RedessinerPanneau() {
    if (PanneauPret()) sADMDialog()->Invalidate(gGlobals->Panneau);
}
