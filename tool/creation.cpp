#include "tool/creation.h"

#include "geometry/constructions.h"
#include "geometry/mesures.h"
#include "geometry/vecteurs.h"
#include "host/windows_platform.h"
#include "panel/champs.h"
#include "panel/construction.h"
#include "panel/items_panneau.h"
#include "plugin/hote/suites.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/curseurs.h"
#include "tool/guide.h"
#include "tool/survol.h"
#include "tool/trace.h"

namespace {

// A quarter turn rounded to single precision.
constexpr float kQuartDeTour = 1.5707964f;
constexpr uint32_t kFrequenceBip = 9001;
constexpr uint32_t kDureeBip = 100;

bool AltEnfonce() {
    return GetAsyncKeyState(VK_MENU) != 0;
}

HostRealPoint Ancre(int index) {
    return gGlobals->Sommets[index].p;
}

float Facteur() {
    return gGlobals->FacteurEchelle;
}

// A panel length as a document distance at the drawing scale.
float EnDocument(float longueur) {
    return LongueurDocument(longueur, Facteur());
}

void MesurerEtAfficher(Longueur longueur) {
    AfficherLongueur(longueur, MesurerLongueur(longueur));
}

// The ALT click: the panel shows or hides; the show/hide menu item keeps its text.
void BasculerPanneau() {
    HostDialogRef panneau = gGlobals->Panneau;
    if (panneau == nullptr || !SuitesPresentes(sADMDialog(), sADMItem())) return;
    sADMDialog()->Show(panneau, !sADMDialog()->IsVisible(panneau));
    sADMItem()->Invalidate(sADMDialog()->GetItem(panneau, kLienWeb));
}

// The whole figure is in the record: the closed guide shows it, and the inclination is
// that of side 4.
HostErr MontrerFigure() {
    FermerGuide();
    HostErr statut = EcrireGuide(0, 4);
    gGlobals->Inclinaison = Direction(Ancre(0), Ancre(3));
    AfficherInclinaison(gGlobals->Inclinaison);
    return statut;
}

// The cursor stands for vertex 2.
HostErr SuivreSommet2(HostRealPoint curseur) {
    Globals& g = *gGlobals;
    PlacerSommet(g.Sommets[1], curseur);
    MesurerLongueur(Longueur::Cote1);
    HostErr statut = kHostNoError;
    if (g.FormeCarre) {
        g.Cote2 = g.Cote3 = g.Cote4 = g.Cote1;
        AppliquerConstruction(ConstruireRectangle(FigureCourante(), g.Cote1, g.Cote2, Facteur()));
        statut = MontrerFigure();
    } else {
        statut = EcrireGuide(0, 2);
    }
    AfficherLongueur(Longueur::Cote1, g.Cote1);
    return statut;
}

// A rectangle is built counter-clockwise from side 1; a cursor on the other side of side
// 1 turns it over onto the cursor's side.
void RetournerRectangle(HostRealPoint curseur) {
    Globals& g = *gGlobals;
    HostRealPoint pied = Projection(curseur, Ancre(0), Ancre(1));
    if (ProduitVectoriel(Ancre(0), Ancre(1), pied, curseur) >= 0) return;
    PlacerSommet(g.Sommets[2],
                 Somme(Ancre(1), PointPolaire(EnDocument(g.Cote2), Direction(Ancre(2), Ancre(1)))));
    PlacerSommet(g.Sommets[3],
                 Somme(Ancre(2), PointPolaire(EnDocument(g.Cote1), Direction(Ancre(1), Ancre(0)))));
}

// The cursor stands for vertex 3. The kinds are tested in the order rectangle,
// parallelogram, rhombus; a square still clicking its third vertex (its kind chosen
// mid-gesture) is drawn as the arbitrary kind.
HostErr SuivreSommet3(HostRealPoint curseur) {
    Globals& g = *gGlobals;
    PlacerSommet(g.Sommets[2], curseur);
    MesurerLongueur(Longueur::Cote2);
    if (g.FormeRectangle) {
        g.Cote3 = g.Cote1;
        g.Cote4 = g.Cote2;
        AppliquerConstruction(ConstruireRectangle(FigureCourante(), g.Cote1, g.Cote2, Facteur()));
        RetournerRectangle(curseur);
        return MontrerFigure();
    }
    if (g.FormeParallelogramme || g.FormeLosange) {
        if (g.FormeParallelogramme) {
            g.Cote3 = g.Cote1;
            g.Cote4 = g.Cote2;
        } else {
            g.Cote2 = g.Cote3 = g.Cote4 = g.Cote1;
        }
        AppliquerConstruction(
            ConstruireParallelogramme(FigureCourante(), g.Cote1, g.Cote2, Facteur()));
        return MontrerFigure();
    }
    HostErr statut = EcrireGuide(2, 1);
    AfficherLongueur(Longueur::Cote2, g.Cote2);
    MesurerEtAfficher(Longueur::Diagonale1);
    return statut;
}

// The cursor stands for vertex 4 of an arbitrary quadrilateral.
HostErr SuivreSommet4(HostRealPoint curseur) {
    Globals& g = *gGlobals;
    PlacerSommet(g.Sommets[3], curseur);
    FermerGuide();
    HostErr statut = EcrireGuide(3, 1);
    MesurerEtAfficher(Longueur::Cote3);
    MesurerEtAfficher(Longueur::Cote4);
    MesurerEtAfficher(Longueur::Diagonale2);
    g.Inclinaison = Direction(Ancre(0), Ancre(3));
    AfficherInclinaison(g.Inclinaison);
    return statut;
}

// A creation click at CURSEUR places the next vertex.
void Cliquer(HostRealPoint curseur) {
    Globals& g = *gGlobals;
    switch (g.NbClics) {
        case 0:
            PlacerSommet(g.Sommets[0], curseur);
            g.Sommets[1] = g.Sommets[0];
            RecommencerGuide(curseur);
            g.NbClics = 1;
            AfficherPosition(Ancre(0));
            return;
        case 1:
            PlacerSommet(g.Sommets[1], curseur);
            EcrireGuide(0, 2);
            g.NbClics = 2;
            return;
        case 2:
            // A rectangle's vertex 3 stays where the tracking built it.
            if (!g.FormeRectangle) {
                PlacerSommet(g.Sommets[2], curseur);
                EcrireGuide(2, 1);
            }
            g.NbClics = 3;
            return;
        case 3:
            PlacerSommet(g.Sommets[3], curseur);
            EcrireGuide(3, 1);
            g.NbClics = 4;
            return;
        default:
            return;
    }
}

// The clicks that complete the current kind: 2 for a square, 4 for an arbitrary
// quadrilateral, 3 for the others.
int16_t ClicsDeLaForme() {
    const Globals& g = *gGlobals;
    if (g.FormeCarre) return 2;
    if (!g.FormeRectangle && !g.FormeLosange && !g.FormeParallelogramme) return 4;
    return 3;
}

// The square's and the rhombus's vertex 3 are recomputed from the clicked points so that
// side 2 has exactly side 1's length.
void AjusterSommet3() {
    Globals& g = *gGlobals;
    float longueur = EnDocument(g.Cote1);
    if (g.FormeCarre)
        PlacerSommet(
            g.Sommets[2],
            Somme(Ancre(1), PointPolaire(longueur, Direction(Ancre(0), Ancre(1)) + kQuartDeTour)));
    else if (g.FormeLosange)
        PlacerSommet(g.Sommets[2],
                     Somme(Ancre(1), PointPolaire(longueur, Direction(Ancre(1), Ancre(2)))));
}

}  // namespace

HostErr SuiviCurseur(AIToolMessage* message) {
    Globals& g = *gGlobals;
    bool alt = AltEnfonce();
    if (g.AlerteOuverte) return kHostNoError;
    if (alt) {
        MontrerCurseur(message, kCurseurCroix);
        return kHostNoError;
    }
    HostErr statut = TestSommet(message);
    if (g.SommetSurvole) return statut;
    switch (g.NbClics) {
        case 0:
            MontrerCurseur(message, kCurseurOrdinaire);
            break;
        case 1:
            statut = SuivreSommet2(message->cursor);
            MontrerCurseur(message, CurseurSommet(1));
            break;
        case 2:
            statut = SuivreSommet3(message->cursor);
            MontrerCurseur(message, CurseurSommet(2));
            break;
        case 3:
            statut = SuivreSommet4(message->cursor);
            MontrerCurseur(message, CurseurSommet(3));
            break;
        default:
            break;
    }
    RedessinerPanneau();
    return statut;
}

HostErr SourisEnfoncee(AIToolMessage* message) {
    Globals& g = *gGlobals;
    bool alt = AltEnfonce();
    g.TraceCree = 0;
    g.DeplaceSommet = 0;
    g.Constructible = 1;
    if (alt) {
        BasculerPanneau();
        return kHostNoError;
    }
    PreparerGuide(message->cursor);
    if (g.SommetSurvole) {
        g.DeplaceSommet = 1;
        return kHostNoError;
    }
    Cliquer(message->cursor);
    if (g.Son) Beep(kFrequenceBip, kDureeBip);
    return PrepareGroupe(message);
}

HostErr SourisRelachee(AIToolMessage*) {
    Globals& g = *gGlobals;
    if (g.NbClics < ClicsDeLaForme()) return kHostNoError;
    g.NbClics = 0;
    CreeTrace();
    AjusterSommet3();
    HostErr statut = EcritTrace();
    g.GroupePret = 0;
    DetruitArt(&g.TraceGuide);
    return statut;
}
