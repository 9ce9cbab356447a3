#include "panel/choix_unite.h"

#include "geometry/lecture_aire.h"
#include "panel/aire.h"
#include "panel/champs.h"
#include "panel/unites.h"
#include "plugin/hote/notification.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"

void ChangerUnite(HostItemRef item, HostDialogNotifierRef notifier) {
    if (gGlobals == nullptr || gGlobals->Panneau == nullptr ||
        !SuitesPresentes(sADMDialog(), sADMItem(), sADMList(), sADMEntry(), sADMNotifier()))
        return;
    if (!ChangementUtilisateur(notifier)) return;
    HostEntryRef choisie = sADMList()->GetActiveEntry(sADMItem()->GetList(item));
    int32_t index = choisie != nullptr ? sADMEntry()->GetIndex(choisie) : -1;
    if (index >= 0 && index < kNombreUnites) gGlobals->Unite = index;
    for (Longueur longueur : kLongueurs)
        AppliquerUnite(sADMDialog()->GetItem(gGlobals->Panneau, ChampDe(longueur)));
    AfficherAire();
    RedessinerPanneau();
}
