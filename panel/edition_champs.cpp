#include "panel/edition_champs.h"

#include "geometry/quadrilatere.h"
#include "panel/champs.h"
#include "panel/construction.h"
#include "plugin/hote/notification.h"
#include "plugin/hote/suites.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
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
    for (Longueur longueur : kLongueurs) {
        if (ChampDe(longueur) != id) continue;
        // The figure being clicked takes its lengths from the clicks: the field shows them.
        if (CreationEnCours()) return AfficherLongueur(longueur, LongueurCourante(longueur));
        LongueurCourante(longueur) = sADMItem()->GetFloatValue(item);
        gGlobals->Constructible = 1;
        Construire(longueur);
        return;
    }
}

void NotifierPosition(HostItemRef item, HostDialogNotifierRef notifier) {
    if (!Pret()) return;
    // Read before anything else, as the field and vertex 1 stand now.
    int32_t id = sADMItem()->GetID(item);
    float valeur = sADMItem()->GetFloatValue(item);
    float avant = CoordonneeDe(id, gGlobals->Sommets[0].p);
    if (!ChangementUtilisateurTraite(item, notifier)) return;
    // The figure being clicked stays where it is clicked.
    if (CreationEnCours()) return AfficherPosition(gGlobals->Sommets[0].p);
    float decalage = valeur - avant;
    for (HostPathSegment& sommet : gGlobals->Sommets) {
        HostRealPoint point = sommet.p;
        CoordonneeDe(id, point) += decalage;
        PlacerSommet(sommet, point);
    }
    EcritTrace();
}
