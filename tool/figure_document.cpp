#include "tool/figure_document.h"

#include <cstring>

#include "geometry/mesures.h"
#include "geometry/vecteurs.h"
#include "plugin/hote/suites.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"

namespace {

// The group that holds the current path, or null.
HostArtHandle GroupeDuTrace() {
    HostArtHandle groupe = nullptr;
    if (!SuitesPresentes(sAIArt())) return nullptr;
    if (sAIArt()->GetArtParent(gGlobals->TraceCourant, &groupe) != kHostNoError) return nullptr;
    return groupe;
}

// No figure is current: the record and the panel are as at start-up, and the annotations
// show nothing of the figure that went.
void OublierTrace() {
    Globals& g = *gGlobals;
    g.TraceCourant = nullptr;
    g.TraceCree = g.SommetSurvole = g.DeplaceSommet = 0;
    std::memset(g.Sommets, 0, sizeof g.Sommets);
    g.Inclinaison = 0;
    for (Longueur longueur : kLongueurs) AfficherLongueur(longueur, LongueurCourante(longueur) = 0);
    AfficherPosition(g.Sommets[0].p);
    AfficherInclinaison(g.Inclinaison);
    CalculerAire();
    ActualiserChamps();
    RedessinerPanneau();
}

}  // namespace

bool TraceExiste() {
    const Globals& g = *gGlobals;
    return g.TraceCourant != nullptr && SuitesPresentes(sAIArt()) &&
           sAIArt()->ValidArt(g.TraceCourant, true);
}

Forme FormeDuTrace() {
    HostArtHandle groupe = GroupeDuTrace();
    char nom[256] = "";
    if (groupe == nullptr || sAIArt()->GetArtName(groupe, nom, sizeof nom) != kHostNoError)
        return Forme::Quelconque;
    return FormeDeNom(nom);
}

Forme FormeAffichee() {
    if (CreationEnCours() || !TraceExiste()) return FormeCourante();
    return FormeDuTrace();
}

void ActualiserChamps() {
    ActiverChampsPour(FormeAffichee());
}

HostErr LireTraceCourante() {
    Globals& g = *gGlobals;
    HostErr statut = kHostNoError;
    for (int16_t i = 0; i < 4; ++i)
        statut = sAIPath()->GetPathSegments(g.TraceCourant, i, 1, &g.Sommets[i]);
    AfficherPosition(g.Sommets[0].p);
    for (Longueur longueur : kLongueurs) AfficherLongueur(longueur, MesurerLongueur(longueur));
    return statut;
}

HostErr RelireTrace() {
    Globals& g = *gGlobals;
    if (CreationEnCours() || !SuitesPresentes(sAIArt(), sAIPath())) return kHostNoError;
    // What the document holds was built: a refusal that led here is over.
    g.Constructible = 1;
    if (!TraceExiste()) {
        OublierTrace();
        return kHostNoError;
    }
    HostErr statut = LireTraceCourante();
    // The ring round a hovered or dragged vertex stays on it.
    if (g.SommetSurvole && g.NumSommet >= 0 && g.NumSommet < 4)
        g.PointSommet = g.Sommets[g.NumSommet].p;
    g.Inclinaison = Direction(g.Sommets[0].p, g.Sommets[3].p);
    AfficherInclinaison(g.Inclinaison);
    CalculerAire();
    ActualiserChamps();
    RedessinerPanneau();
    return statut;
}

HostErr PrendreTrace(HostArtHandle art) {
    gGlobals->TraceCourant = art;
    return RelireTrace();
}

HostErr NommerGroupeDuTrace(Forme forme) {
    HostArtHandle groupe = GroupeDuTrace();
    if (groupe == nullptr) return kHostErrBadHandle;
    return sAIArt()->SetArtName(groupe, NomDeForme(forme));
}

bool FigureAEditer() {
    if (CreationEnCours()) return false;
    RelireTrace();
    return TraceExiste();
}
