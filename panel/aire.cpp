#include "panel/aire.h"

#include <cstdio>

#include "geometry/ecriture_nombres.h"
#include "geometry/lecture_aire.h"
#include "geometry/mesures.h"
#include "panel/items_panneau.h"
#include "plugin/hote/suites.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"

namespace {

// "Aire=", the 40 bytes of the number and the longest suffix.
constexpr size_t kTailleTexte = 50;

void EcrireTexte(const char* texte) {
    HostDialogRef panneau = gGlobals->Panneau;
    if (panneau == nullptr || !SuitesPresentes(sADMDialog(), sADMItem())) return;
    sADMItem()->SetText(sADMDialog()->GetItem(panneau, kTexteAire), texte);
}

}  // namespace

HostErr CalculerAire() {
    gGlobals->AirePoints = static_cast<float>(Aire(AncresDe(gGlobals->Sommets)));
    AfficherAire();
    return kHostNoError;
}

void AfficherAire() {
    Globals& g = *gGlobals;
    if (g.Unite < 0 || g.Unite >= kNombreUnites) return;
    // The number shown comes from the vertices in double precision: AirePoints, a float32,
    // has lost the cents of a large figure.
    double valeur = Aire(AncresDe(g.Sommets));
    if (g.Unite != kUnitePoint) {
        valeur = AireEnUnite(valeur, g.Unite, g.FacteurEchelle);
        g.AireAffichee = static_cast<float>(valeur);
    }
    EcrireDeuxDecimales(valeur, g.Aire, sizeof g.Aire);
    char texte[kTailleTexte];
    std::snprintf(texte, sizeof texte, "Aire=%s%s", g.Aire, SuffixeAire(g.Unite));
    EcrireTexte(texte);
}
