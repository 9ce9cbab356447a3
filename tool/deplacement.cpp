#include "tool/deplacement.h"

#include "panel/aire.h"
#include "panel/champs.h"
#include "plugin/hote/suites.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/trace.h"

namespace {

// The three lengths that run through each vertex.
constexpr Longueur kLongueursDuSommet[4][3] = {
    {Longueur::Cote1, Longueur::Cote4, Longueur::Diagonale1},
    {Longueur::Cote1, Longueur::Cote2, Longueur::Diagonale2},
    {Longueur::Cote2, Longueur::Cote3, Longueur::Diagonale1},
    {Longueur::Cote3, Longueur::Cote4, Longueur::Diagonale2},
};

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

}  // namespace

HostErr SourisGlissee(AIToolMessage* message) {
    Globals& g = *gGlobals;
    if (!g.DeplaceSommet) return kHostNoError;
    int16_t numero = g.NumSommet;
    if (numero < 0 || numero > 3) return kHostNoError;
    if (!DeplacementPossible(message)) return kHostNoError;
    g.PointSommet = message->cursor;

    PlacerSommet(g.Sommets[numero], g.PointSommet);
    AfficherPosition(g.Sommets[0].p);
    for (Longueur longueur : kLongueursDuSommet[numero])
        AfficherLongueur(longueur, MesurerLongueur(longueur));
    EcrireSommet(numero);

    HostErr statut = CalculerAire();
    RedessinerPanneau();
    return statut;
}
