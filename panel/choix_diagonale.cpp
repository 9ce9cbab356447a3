#include "panel/choix_diagonale.h"

#include "panel/items_panneau.h"
#include "plugin/hote/notification.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"
#include "tool/figure_document.h"

namespace {

HostItemRef Item(ItemPanneau id) {
    return sADMDialog()->GetItem(gGlobals->Panneau, id);
}

void Montrer(ItemPanneau id, bool activer, bool montrer) {
    sADMItem()->Enable(Item(id), activer);
    sADMItem()->Show(Item(id), montrer);
}

}  // namespace

void ActiverDiagonales(bool outilChoisi) {
    bool d1 = gGlobals->Diagonale1Active != 0;
    bool champ1 = !outilChoisi || d1;
    bool champ2 = !outilChoisi || !d1;
    Montrer(kChampDiagonale1, outilChoisi && d1, champ1);
    Montrer(kZoneDiagonale1, outilChoisi && d1, champ1);
    Montrer(kChampDiagonale2, outilChoisi && !d1, champ2);
    Montrer(kZoneDiagonale2, outilChoisi && !d1, champ2);
    sADMItem()->Enable(Item(kBoutonDiagonale1), outilChoisi && !d1);
    sADMItem()->Enable(Item(kBoutonDiagonale2), outilChoisi && d1);
}

void NotifierChoixDiagonale(HostItemRef item, HostDialogNotifierRef notifier) {
    if (gGlobals == nullptr || gGlobals->Panneau == nullptr ||
        !SuitesPresentes(sADMDialog(), sADMItem(), sADMNotifier()))
        return;
    if (!ChangementUtilisateurTraite(item, notifier)) return;
    Forme forme = FormeAffichee();
    if (forme == Forme::Carre || forme == Forme::Rectangle) return;
    gGlobals->Diagonale1Active = sADMItem()->GetID(item) == kBoutonDiagonale1;
    // The buttons act only while the tool is selected.
    ActiverDiagonales(true);
    ActualiserChamps();
    RedessinerPanneau();
}
