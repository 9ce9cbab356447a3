#include "panel/procedures_items.h"

#include "panel/items_panneau.h"
#include "plugin/hote/fabricant.h"
#include "plugin/hote/notification.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"
#include "tool/selection.h"

namespace {

// The field beside each focus zone.
struct ZoneFocus {
    ItemPanneau zone;
    ItemPanneau champ;
};
constexpr ZoneFocus kZones[] = {
    {kZoneCote1, kChampCote1},           {kZoneCote2, kChampCote2},
    {kZoneCote3, kChampCote3},           {kZoneCote4, kChampCote4},
    {kZoneDiagonale1, kChampDiagonale1}, {kZoneDiagonale2, kChampDiagonale2},
    {kZonePositionH, kChampPositionH},   {kZonePositionV, kChampPositionV}};

bool Pret() {
    return gGlobals != nullptr && SuitesPresentes(sADMItem(), sADMNotifier(), sADMDialog());
}

void Lignes(HostDrawerRef dessin, const int32_t (*lignes)[4], int nombre) {
    for (int i = 0; i < nombre; ++i)
        sADMDrawer()->DrawLine(dessin, lignes[i][0], lignes[i][1], lignes[i][2], lignes[i][3]);
}

void DessinerFleche(HostDrawerRef dessin, const int32_t (*lignes)[4], const HostRect& cadre) {
    if (!SuitesPresentes(sADMDrawer())) return;
    sADMDrawer()->SetADMColor(dessin, kADMBlackColor);
    Lignes(dessin, lignes, 2);
    sADMDrawer()->DrawRect(dessin, &cadre);
    Lignes(dessin, lignes + 2, 4);
}

}  // namespace

void NotifierZoneClic(HostItemRef item, HostDialogNotifierRef notifier) {
    if (!Pret() || !ChangementUtilisateurTraite(item, notifier)) return;
    ChoisirOutil();
}

void NotifierZoneFocus(HostItemRef item, HostDialogNotifierRef notifier) {
    if (!Pret() || !ChangementUtilisateur(notifier)) return;
    int32_t zone = sADMItem()->GetID(item);
    for (const ZoneFocus& paire : kZones) {
        if (paire.zone != zone) continue;
        HostItemRef champ = sADMDialog()->GetItem(sADMItem()->GetDialog(item), paire.champ);
        sADMItem()->Activate(champ, true);
        sADMItem()->SelectAll(champ);
        return;
    }
}

void NotifierLienWeb(HostItemRef item, HostDialogNotifierRef notifier) {
    if (!Pret() || !ChangementUtilisateurTraite(item, notifier)) return;
    if (!SuitesPresentes(sAIURL())) return;
    if (sAIURL()->IsBrowserAvailable()) sAIURL()->OpenURL(kAdresseWeb);
}

void DessinVide(HostItemRef, HostDrawerRef) {}

void DessinFlecheHorizontale(HostItemRef, HostDrawerRef dessin) {
    static constexpr int32_t kLignes[6][4] = {{0, 9, 6, 9},   {12, 9, 18, 9}, {3, 6, 0, 9},
                                              {15, 6, 18, 9}, {0, 9, 3, 12},  {18, 9, 15, 12}};
    DessinerFleche(dessin, kLignes, {6, 7, 13, 12});
}

void DessinFlecheVerticale(HostItemRef, HostDrawerRef dessin) {
    static constexpr int32_t kLignes[6][4] = {{11, 0, 11, 6},  {11, 12, 11, 18}, {8, 3, 11, 0},
                                              {8, 15, 11, 18}, {11, 0, 14, 3},   {11, 18, 14, 15}};
    DessinerFleche(dessin, kLignes, {8, 7, 15, 12});
}
