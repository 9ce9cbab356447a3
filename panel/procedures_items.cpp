#include "panel/procedures_items.h"

#include "plugin/hote/fabricant.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"

namespace {

// The field beside each focus zone.
struct ZoneFocus {
    int32_t zone;
    int32_t champ;
};
constexpr ZoneFocus kZones[] = {{4, 3},   {6, 5},   {8, 7},   {10, 9},
                                {12, 11}, {14, 13}, {23, 22}, {25, 24}};

bool ChangementUtilisateur(HostDialogNotifierRef notifier) {
    return sADMNotifier()->IsNotifierType(notifier, kADMUserChangedNotifier) != 0;
}

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

void HOST_API NotifierZoneClic(HostItemRef item, HostDialogNotifierRef notifier) {
    if (!Pret() || !ChangementUtilisateur(notifier)) return;
    sADMItem()->DefaultNotify(item, notifier);
}

void HOST_API NotifierZoneFocus(HostItemRef item, HostDialogNotifierRef notifier) {
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

void HOST_API NotifierLienWeb(HostItemRef item, HostDialogNotifierRef notifier) {
    if (!Pret() || !ChangementUtilisateur(notifier)) return;
    sADMItem()->DefaultNotify(item, notifier);
    if (!SuitesPresentes(sAIURL())) return;
    if (sAIURL()->IsBrowserAvailable()) sAIURL()->OpenURL(kAdresseWeb);
}

void HOST_API DessinVide(HostItemRef, HostDrawerRef) {}

void HOST_API DessinFlecheHorizontale(HostItemRef, HostDrawerRef dessin) {
    static constexpr int32_t kLignes[6][4] = {{0, 9, 6, 9},   {12, 9, 18, 9}, {3, 6, 0, 9},
                                              {15, 6, 18, 9}, {0, 9, 3, 12},  {18, 9, 15, 12}};
    DessinerFleche(dessin, kLignes, {6, 7, 13, 12});
}

void HOST_API DessinFlecheVerticale(HostItemRef, HostDrawerRef dessin) {
    static constexpr int32_t kLignes[6][4] = {{11, 0, 11, 6},  {11, 12, 11, 18}, {8, 3, 11, 0},
                                              {8, 15, 11, 18}, {11, 0, 14, 3},   {11, 18, 14, 15}};
    DessinerFleche(dessin, kLignes, {8, 7, 15, 12});
}
