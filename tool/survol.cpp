#include "tool/survol.h"

#include "plugin/hote/suites.h"
#include "settings/globals.h"
#include "tool/curseurs.h"
#include "tool/figure_document.h"

namespace {

constexpr HostReal kTolerancePixels = 8.0f;
constexpr const char* kEtiquette = "qqq";

bool Pret() {
    return SuitesPresentes(sAIDocumentView(), sAIHitTest(), sAITag(), sAIPath());
}

// The host's hit test measures its tolerance in pixels of the first view: reading and
// setting back the view's zoom makes sure the view is settled before it runs.
void PreparerVue() {
    HostDocumentViewHandle vue = nullptr;
    sAIDocumentView()->GetNthDocumentView(0, &vue);
    HostReal zoom = 1;
    sAIDocumentView()->GetDocumentViewZoom(vue, &zoom);
    sAIDocumentView()->SetDocumentViewZoom(vue, zoom);
}

// The anchor under POINT, if any; DONNEES.hit is false when there is none.
HostToolHitData Toucher(HostRealPoint point) {
    HostToolHitData donnees{};
    HostHitRef touche = nullptr;
    if (sAIHitTest()->HitTestEx(nullptr, &point, kTolerancePixels, kHostHitAnchorPoints, &touche) !=
        kHostNoError)
        return donnees;
    sAIHitTest()->GetHitData(touche, &donnees);
    sAIHitTest()->Release(touche);
    return donnees;
}

}  // namespace

HostErr TestSommet(const AIToolMessage* message) {
    Globals& g = *gGlobals;
    g.SommetSurvole = 0;
    if (!Pret()) return kHostErrSuiteNotFound;
    PreparerVue();
    HostToolHitData touche = Toucher(message->cursor);
    if (!touche.hit || touche.art == nullptr) {
        MontrerCurseur(message, kCurseurOrdinaire);
        return kHostNoError;
    }
    char valeur[8];
    HostErr etiquette = sAITag()->GetTag(touche.art, kEtiquette, "string", valeur, sizeof valeur);
    if (etiquette != kHostNoError) return etiquette;

    g.SommetSurvole = 1;
    g.NumSommet = touche.segment;
    g.PointSommet = touche.point;
    // The hovered figure becomes the current one whole, as the document holds it.
    HostErr statut = PrendreTrace(touche.art);
    if (g.NumSommet >= 0 && g.NumSommet < 4) MontrerCurseur(message, CurseurSommet(g.NumSommet));
    return statut;
}
