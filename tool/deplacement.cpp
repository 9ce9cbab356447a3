#include "tool/deplacement.h"

#include "panel/aire.h"
#include "panel/champs.h"
#include "plugin/hote/suites.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"

namespace {

// The three lengths that run through each vertex.
constexpr Longueur kLongueursDuSommet[4][3] = {
    {Longueur::Cote1, Longueur::Cote4, Longueur::Diagonale1},
    {Longueur::Cote1, Longueur::Cote2, Longueur::Diagonale2},
    {Longueur::Cote2, Longueur::Cote3, Longueur::Diagonale1},
    {Longueur::Cote3, Longueur::Cote4, Longueur::Diagonale2},
};

// The path may have been deleted by another tool since it was hovered.
void EcrireSommet(int16_t numero) {
    if (!SuitesPresentes(sAIArt(), sAIPath())) return;
    if (!sAIArt()->ValidArt(gGlobals->TraceCourant, true)) return;
    sAIPath()->SetPathSegments(gGlobals->TraceCourant, numero, 1, &gGlobals->Sommets[numero]);
}

}  // namespace

HostErr SourisGlissee(AIToolMessage* message) {
    Globals& g = *gGlobals;
    if (!g.DeplaceSommet) return kHostNoError;
    g.PointSommet = message->cursor;
    int16_t numero = g.NumSommet;
    if (numero < 0 || numero > 3) return kHostNoError;

    PlacerSommet(g.Sommets[numero], g.PointSommet);
    AfficherPosition(g.Sommets[0].p);
    for (Longueur longueur : kLongueursDuSommet[numero])
        AfficherLongueur(longueur, MesurerLongueur(longueur));
    EcrireSommet(numero);

    HostErr statut = CalculerAire();
    RedessinerPanneau();
    return statut;
}
