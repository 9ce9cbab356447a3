#include "tool/deplacement.h"

#include "geometry/formes.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"
#include "tool/figure_document.h"
#include "tool/trace.h"

namespace {

void EcrireSommet(int16_t numero) {
    sAIPath()->SetPathSegments(gGlobals->TraceCourant, numero, 1, &gGlobals->Sommets[numero]);
}

// The path may have been deleted by another tool since the press, or its layer locked:
// the drag ends there, a locked layer with its alert, and the figure stays as it is.
bool DeplacementPossible(const AIToolMessage* message) {
    Globals& g = *gGlobals;
    if (!SuitesPresentes(sAIArt(), sAIPath()) || !sAIArt()->ValidArt(g.TraceCourant, true)) {
        g.DeplaceSommet = g.SommetSurvole = 0;
        return false;
    }
    if (ArtModifiable(g.TraceCourant)) return true;
    g.DeplaceSommet = g.SommetSurvole = 0;
    AlerteCalqueVerrouille(message, kHostNoError);
    return false;
}

// A figure reshaped out of its kind is no longer what its group's name says: the group is
// renamed "Quadrilatère", for good (a figure dragged back into shape is not renamed again:
// its name never claims more than the figure is).
void GarderNomVrai() {
    if (EstDeForme(AncresDe(gGlobals->Sommets), FormeDuTrace())) return;
    NommerGroupeDuTrace(Forme::Quelconque);
    ActualiserChamps();
}

}  // namespace

HostErr SourisGlissee(AIToolMessage* message) {
    Globals& g = *gGlobals;
    if (!g.DeplaceSommet) return kHostNoError;
    int16_t numero = g.NumSommet;
    if (numero < 0 || numero > 3) return kHostNoError;
    if (!DeplacementPossible(message)) return kHostNoError;
    g.PointSommet = message->cursor;

    PlacerSommet(g.Sommets[numero], g.PointSommet);
    EcrireSommet(numero);
    // Every measure follows the vertex: the lengths through it, the position, the area and
    // side 4's direction.
    HostErr statut = RelireTrace();
    GarderNomVrai();
    return statut;
}
