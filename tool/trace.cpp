#include "tool/trace.h"

#include <cmath>

#include "geometry/formes.h"
#include "geometry/vecteurs.h"
#include "plugin/hote/suites.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"
#include "tool/curseurs.h"
#include "tool/figure_document.h"

namespace {

constexpr const char* kCalqueOrtaq = "KVT.Ortaq";
constexpr const char* kMessageCalqueVerrouille = "Impossible. Calque verrouillé.";
constexpr const char* kMessageImpossible = "Construction impossible !";

bool SuitesDuDocument() {
    return SuitesPresentes(sAIArt(), sAILayer(), sAIPath(), sAIUnicodeString(), sADMBasic());
}

// The first layer, from index 0, titled "KVT.Ortaq"; null when there is none.
HostLayerHandle CalqueOrtaq() {
    HostUnicodeStringRef cherche = nullptr;
    HostUnicodeStringRef titre = nullptr;
    sAIUnicodeString()->NewFromWindows1252(kCalqueOrtaq, &cherche);
    sAIUnicodeString()->NewFromWindows1252("", &titre);
    int32_t nombre = 0;
    sAILayer()->CountLayers(&nombre);
    HostLayerHandle trouve = nullptr;
    for (int32_t i = 0; i < nombre && trouve == nullptr; ++i) {
        HostLayerHandle calque = nullptr;
        sAILayer()->GetNthLayer(i, &calque);
        // A title that cannot be read must not be taken for the last one read.
        if (sAILayer()->GetLayerTitle(calque, titre) != kHostNoError) continue;
        int32_t ordre = 1;
        sAIUnicodeString()->Compare(titre, cherche, &ordre);
        if (ordre == 0) trouve = calque;
    }
    sAIUnicodeString()->Dispose(titre);
    sAIUnicodeString()->Dispose(cherche);
    return trouve;
}

HostLayerHandle InsererCalqueOrtaq() {
    HostLayerHandle courant = nullptr;
    HostLayerHandle nouveau = nullptr;
    sAILayer()->GetCurrentLayer(&courant);
    sAILayer()->InsertLayer(courant, kHostPlaceAboveAll, &nouveau);
    HostUnicodeStringRef titre = nullptr;
    sAIUnicodeString()->NewFromWindows1252(kCalqueOrtaq, &titre);
    sAILayer()->SetLayerTitle(nouveau, titre);
    sAIUnicodeString()->Dispose(titre);
    return nouveau;
}

// Whether art can go on LAYER; STATUT receives the query's status.
bool Modifiable(HostLayerHandle calque, HostErr& statut) {
    HostBool32 modifiable = 0;
    statut = sAILayer()->GetLayerEditable(calque, &modifiable);
    return modifiable != 0;
}

// The layer the next group goes on, or null after the locked-layer alert (STATUT then
// holds what to return).
HostLayerHandle CalqueCible(const AIToolMessage* message, HostErr& statut) {
    HostLayerHandle cible = nullptr;
    if (gGlobals->Calque) {
        cible = CalqueOrtaq();
        if (cible != nullptr && !Modifiable(cible, statut)) {
            statut = AlerteCalqueVerrouille(message, statut);
            return nullptr;
        }
        if (cible == nullptr) cible = InsererCalqueOrtaq();
    }
    // The current layer is checked in both modes: a locked current layer refuses even
    // when the "KVT.Ortaq" layer is editable.
    HostLayerHandle courant = nullptr;
    sAILayer()->GetCurrentLayer(&courant);
    if (!Modifiable(courant, statut)) {
        statut = AlerteCalqueVerrouille(message, statut);
        return nullptr;
    }
    return cible != nullptr ? cible : courant;
}

bool Fini(HostRealPoint p) {
    return std::isfinite(p.h) && std::isfinite(p.v);
}

// A non-finite coordinate would corrupt the document for good.
bool SommetsFinis() {
    for (const HostPathSegment& s : gGlobals->Sommets)
        if (!Fini(s.p) || !Fini(s.in) || !Fini(s.out)) return false;
    return std::isfinite(gGlobals->Inclinaison);
}

// The record's figure turned about vertex 1 so that side 4 points along the inclination,
// in double precision: turning back and forth leaves the figure's size as it was, to the
// rounding of its float32 vertices. A figure already at its inclination, as side 4's
// direction reads in float32, is not touched.
void TournerVersInclinaison() {
    HostPathSegment* v = gGlobals->Sommets;
    if (gGlobals->Inclinaison == Direction(v[0].p, v[3].p)) return;
    double h1 = v[0].p.h, v1 = v[0].p.v;
    double angle =
        double{gGlobals->Inclinaison} - std::atan2(double{v[3].p.v} - v1, double{v[3].p.h} - h1);
    double c = std::cos(angle), s = std::sin(angle);
    for (int i = 1; i < 4; ++i) {
        double dh = v[i].p.h - h1, dv = v[i].p.v - v1;
        PlacerSommet(v[i], {static_cast<float>(h1 + c * dh - s * dv),
                            static_cast<float>(v1 + s * dh + c * dv)});
    }
}

}  // namespace

HostErr AlerteCalqueVerrouille(const AIToolMessage* message, HostErr statut) {
    // Cursor tracking does nothing while the alert is up.
    gGlobals->AlerteOuverte = 1;
    if (message != nullptr) MontrerCurseur(message, kCurseurFleche);
    if (SuitesPresentes(sADMBasic())) sADMBasic()->MessageAlert(kMessageCalqueVerrouille);
    gGlobals->AlerteOuverte = 0;
    return statut;
}

bool ArtModifiable(HostArtHandle art) {
    if (!SuitesPresentes(sAIArt(), sAILayer())) return false;
    HostLayerHandle calque = nullptr;
    if (sAIArt()->GetLayerOfArt(art, &calque) != kHostNoError) return false;
    HostErr statut = kHostNoError;
    return Modifiable(calque, statut);
}

bool FigureEcrivable() {
    return gGlobals->Constructible && SommetsFinis();
}

void AlerteConstructionImpossible() {
    gGlobals->Constructible = 1;
    if (SuitesPresentes(sADMBasic())) sADMBasic()->MessageAlert(kMessageImpossible);
}

HostErr NommerGroupe(bool verifier) {
    if (!SuitesPresentes(sAIArt())) return kHostErrSuiteNotFound;
    // No group yet, or one deleted since: there is nothing to name, and the answer is the
    // one the host gives for a handle that is gone.
    if (verifier && !sAIArt()->ValidArt(gGlobals->GroupeCourant, true)) return kHostErrBadHandle;
    char nom[256];
    HostErr lecture = sAIArt()->GetArtName(gGlobals->GroupeCourant, nom, sizeof nom);
    if (verifier && lecture != kHostNoError) return lecture;
    return sAIArt()->SetArtName(gGlobals->GroupeCourant, NomDeForme(FormeCourante()));
}

HostErr PrepareGroupe(const AIToolMessage* message, bool& refuse) {
    refuse = false;
    if (!SuitesDuDocument()) return kHostErrSuiteNotFound;
    HostErr statut = kHostNoError;
    // The group made at the first click takes the figure unless its layer or the current
    // one was locked since; one deleted since is made again.
    if (gGlobals->GroupePret && sAIArt()->ValidArt(gGlobals->GroupeCourant, true)) {
        HostLayerHandle courant = nullptr;
        sAILayer()->GetCurrentLayer(&courant);
        refuse = !ArtModifiable(gGlobals->GroupeCourant) || !Modifiable(courant, statut);
        return refuse ? AlerteCalqueVerrouille(message, statut) : statut;
    }
    HostLayerHandle cible = CalqueCible(message, statut);
    refuse = cible == nullptr;
    if (refuse) return statut;

    HostArtHandle groupeDuCalque = nullptr;
    sAIArt()->GetFirstArtOfLayer(cible, &groupeDuCalque);
    JeterGroupeVide();
    HostErr erreur = sAIArt()->NewArt(kHostGroupArt, kHostPlaceInsideOnTop, groupeDuCalque,
                                      &gGlobals->GroupeCourant);
    if (erreur != kHostNoError) return erreur;
    gGlobals->GroupePret = 1;
    return NommerGroupe(false);
}

void CreeTrace() {
    if (gGlobals->TraceCree) return;
    if (!SuitesDuDocument() || !SuitesPresentes(sAITag())) return;
    // Without a group prepared for this gesture the path would land in an older
    // quadrilateral's group, and the commit would overwrite that quadrilateral.
    if (!gGlobals->GroupePret || !sAIArt()->ValidArt(gGlobals->GroupeCourant, true)) {
        gGlobals->TraceCourant = nullptr;
        return;
    }
    // The layer may have been locked since the first click: the host then makes nothing,
    // and nothing is written to a path that does not exist.
    if (sAIArt()->NewArt(kHostPathArt, kHostPlaceInsideOnTop, gGlobals->GroupeCourant,
                         &gGlobals->TraceCourant) != kHostNoError) {
        gGlobals->TraceCourant = nullptr;
        return;
    }
    sAIPath()->SetPathSegmentCount(gGlobals->TraceCourant, 4);
    sAIPath()->SetPathClosed(gGlobals->TraceCourant, true);
    sAITag()->SetTag(gGlobals->TraceCourant, "qqq", "string", "jj");
    gGlobals->TraceCree = 1;
}

HostErr EcritTrace() {
    if (!SuitesDuDocument()) return kHostErrSuiteNotFound;
    // The record holds the figure being clicked, not the current path's.
    if (gGlobals->NbClics > 0) return kHostNoError;
    if (!sAIArt()->ValidArt(gGlobals->TraceCourant, true)) return kHostNoError;
    if (!ArtModifiable(gGlobals->TraceCourant)) {
        AlerteCalqueVerrouille(nullptr, kHostNoError);
        RelireTrace();
        return kHostNoError;
    }
    if (!FigureEcrivable()) {
        AlerteConstructionImpossible();
        RelireTrace();
        return kHostNoError;
    }
    TournerVersInclinaison();
    for (int16_t i = 0; i < 4; ++i)
        sAIPath()->SetPathSegments(gGlobals->TraceCourant, i, 1, &gGlobals->Sommets[i]);
    HostErr statut = LireTraceCourante();
    CalculerAire();
    return statut;
}

void JeterGroupeVide() {
    HostArtHandle groupe = gGlobals->GroupeCourant;
    if (!SuitesPresentes(sAIArt()) || !sAIArt()->ValidArt(groupe, true)) return;
    HostArtHandle enfant = nullptr;
    sAIArt()->GetArtFirstChild(groupe, &enfant);
    if (enfant == nullptr) sAIArt()->DisposeArt(groupe);
}

void RedessinerDocument() {
    if (SuitesPresentes(sAIDocument())) sAIDocument()->RedrawDocument();
}

void DetruitArt(const HostArtHandle* art) {
    if (!SuitesPresentes(sAIArt())) return;
    if (sAIArt()->ValidArt(*art, true)) sAIArt()->DisposeArt(*art);
}
