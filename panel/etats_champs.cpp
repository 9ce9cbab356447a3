#include "tool/affichage_panneau.h"

#include "panel/items_panneau.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"

namespace {

void Activer(ItemPanneau id, bool actif) {
    sADMItem()->Enable(sADMDialog()->GetItem(gGlobals->Panneau, id), actif);
}

void ActiverPaire(ItemPanneau champ, ItemPanneau zone, bool actif) {
    Activer(champ, actif);
    Activer(zone, actif);
}

}  // namespace

void ActiverChampsPour(Forme forme) {
    const Globals& g = *gGlobals;
    if (!g.OutilActif || g.Panneau == nullptr || !SuitesPresentes(sADMDialog(), sADMItem())) return;
    bool cote2 = forme != Forme::Carre;
    bool cotes34 = forme == Forme::Quelconque;
    // A square's and a rectangle's diagonals are equal: neither is held or typed.
    bool diagonales = forme != Forme::Carre && forme != Forme::Rectangle;
    bool d1 = g.Diagonale1Active != 0;
    ActiverPaire(kChampCote2, kZoneCote2, cote2);
    ActiverPaire(kChampCote3, kZoneCote3, cotes34);
    ActiverPaire(kChampCote4, kZoneCote4, cotes34);
    ActiverPaire(kChampDiagonale1, kZoneDiagonale1, diagonales && d1);
    ActiverPaire(kChampDiagonale2, kZoneDiagonale2, diagonales && !d1);
    Activer(kBoutonDiagonale1, diagonales && !d1);
    Activer(kBoutonDiagonale2, diagonales && d1);
}
