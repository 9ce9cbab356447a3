#include "panel/edition_champs.h"

#include "geometry/quadrilatere.h"
#include "panel/champs.h"
#include "panel/construction.h"
#include "plugin/hote/notification.h"
#include "plugin/hote/suites.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"
#include "tool/figure_document.h"
#include "tool/trace.h"

namespace {

bool Pret() {
    return gGlobals != nullptr && SuitesPresentes(sADMItem(), sADMNotifier());
}

// The coordinate of vertex 1 that the position field ITEM shows.
float& CoordonneeDe(int32_t item, HostRealPoint& point) {
    return item == kChampPositionH ? point.h : point.v;
}

}  // namespace

void NotifierLongueur(HostItemRef item, HostDialogNotifierRef notifier) {
    if (!Pret() || !ChangementUtilisateurTraite(item, notifier)) return;
    int32_t id = sADMItem()->GetID(item);
    float valeur = sADMItem()->GetFloatValue(item);
    for (Longueur longueur : kLongueurs) {
        if (ChampDe(longueur) != id) continue;
        // Without a finished figure to edit, the field shows the record's length again.
        if (!FigureAEditer()) return AfficherLongueur(longueur, LongueurCourante(longueur));
        LongueurCourante(longueur) = valeur;
        // The figure keeps its own kind, whatever the tool draws next.
        Construire(longueur, FormeDuTrace());
        return;
    }
}

void NotifierPosition(HostItemRef item, HostDialogNotifierRef notifier) {
    if (!Pret()) return;
    int32_t id = sADMItem()->GetID(item);
    float valeur = sADMItem()->GetFloatValue(item);
    if (!ChangementUtilisateurTraite(item, notifier)) return;
    if (!FigureAEditer()) return AfficherPosition(gGlobals->Sommets[0].p);
    float decalage = valeur - CoordonneeDe(id, gGlobals->Sommets[0].p);
    for (HostPathSegment& sommet : gGlobals->Sommets) {
        HostRealPoint point = sommet.p;
        CoordonneeDe(id, point) += decalage;
        PlacerSommet(sommet, point);
    }
    EcritTrace();
}
