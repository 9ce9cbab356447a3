#include "tool/creation.h"

#include "geometry/constructions.h"
#include "geometry/mesures.h"
#include "geometry/vecteurs.h"
#include "host/windows_platform.h"
#include "plugin/hote/suites.h"
#include "settings/figure_courante.h"
#include "settings/globals.h"
#include "tool/affichage_panneau.h"
#include "tool/curseurs.h"
#include "tool/figure_document.h"
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

// The whole figure is in the record: the closed guide shows it, and the inclination is
// that of side 4.
HostErr MontrerFigure() {
    HostErr statut = MontrerGuide(4, true);
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
        statut = MontrerGuide(2, false);
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
// parallelogram, rhombus.
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
    HostErr statut = MontrerGuide(3, false);
    AfficherLongueur(Longueur::Cote2, g.Cote2);
    MesurerEtAfficher(Longueur::Diagonale1);
    return statut;
}

// The cursor stands for vertex 4 of an arbitrary quadrilateral.
HostErr SuivreSommet4(HostRealPoint curseur) {
    Globals& g = *gGlobals;
    PlacerSommet(g.Sommets[3], curseur);
    HostErr statut = MontrerGuide(4, true);
    MesurerEtAfficher(Longueur::Cote3);
    MesurerEtAfficher(Longueur::Cote4);
    MesurerEtAfficher(Longueur::Diagonale2);
    g.Inclinaison = Direction(Ancre(0), Ancre(3));
    AfficherInclinaison(g.Inclinaison);
    return statut;
}

// The clicks that complete the current kind: 2 for a square, 4 for an arbitrary
// quadrilateral, 3 for the others.
int16_t ClicsDeLaForme() {
    const Globals& g = *gGlobals;
    if (g.FormeCarre) return 2;
    if (!g.FormeRectangle && !g.FormeLosange && !g.FormeParallelogramme) return 4;
    return 3;
}

// The vertex under CURSEUR follows it, as the tracking of the creation state shows it; a
// click runs this first, so that it gives the same figure whether or not the pointer was
// reported there before. Returns the status of the last construction or guide write.
HostErr Suivre(HostRealPoint curseur) {
    switch (gGlobals->NbClics) {
        case 1:
            return SuivreSommet2(curseur);
        case 2:
            return SuivreSommet3(curseur);
        case 3:
            return SuivreSommet4(curseur);
        default:
            return kHostNoError;
    }
}

// The guide between clicks: the vertices clicked, open (two at vertex 1 after the first).
void MontrerClics() {
    int16_t clics = gGlobals->NbClics;
    MontrerGuide(clics < 2 ? 2 : clics, false);
}

// A creation click at CURSEUR places the next vertex. A rectangle's and a rhombus's vertex 3
// stay where the tracking built them from the click: the rhombus's vertex 3 on the line from
// vertex 2 to the click, where vertex 4 was built to match (the click itself, on vertex 2,
// would leave that line's direction to rounding).
void Cliquer(HostRealPoint curseur) {
    Globals& g = *gGlobals;
    Suivre(curseur);
    if (g.NbClics > 3) return;
    if (g.NbClics == 0) {
        PlacerSommet(g.Sommets[0], curseur);
        g.Sommets[1] = g.Sommets[0];
        AfficherPosition(Ancre(0));
        // The fields are now the new figure's, of the kind chosen in the menu.
        ActualiserChamps();
    } else if (g.NbClics != 2 || !(g.FormeRectangle || g.FormeLosange)) {
        PlacerSommet(g.Sommets[g.NbClics], curseur);
    }
    ++g.NbClics;
    if (g.NbClics < ClicsDeLaForme()) MontrerClics();
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

// The figure clicked so far becomes a path in its group; the guide goes. A figure that
// cannot be written (a refused construction, numbers beyond float) is announced and
// nothing of it is left.
HostErr Terminer() {
    Globals& g = *gGlobals;
    // The layer may have been locked, or the group deleted, since the last click: the figure
    // then waits for a last click its layer takes.
    bool refuse = false;
    HostErr statut = PrepareGroupe(nullptr, refuse);
    if (refuse) {
        g.NbClics = static_cast<int16_t>(ClicsDeLaForme() - 1);
        MontrerClics();
        return statut;
    }
    AjusterSommet3();
    if (!FigureEcrivable()) {
        AlerteConstructionImpossible();
        AbandonnerCreation();
        return kHostNoError;
    }
    g.NbClics = 0;
    CreeTrace();
    statut = EcritTrace();
    g.GroupePret = 0;
    DetruireGuide();
    ActualiserChamps();
    return statut;
}

}  // namespace

HostErr SuiviCurseur(AIToolMessage* message) {
    Globals& g = *gGlobals;
    bool alt = AltEnfonce();
    if (g.AlerteOuverte) return kHostNoError;
    // A vertex hovered before ALT went down is no longer under the pointer.
    g.SommetSurvole = 0;
    if (alt) {
        MontrerCurseur(message, kCurseurCroix);
        return kHostNoError;
    }
    // During a creation every click places a vertex: other figures are not hovered.
    if (g.NbClics == 0) {
        HostErr statut = TestSommet(message);
        if (g.SommetSurvole) return statut;
        MontrerCurseur(message, kCurseurOrdinaire);
        RedessinerPanneau();
        return statut;
    }
    HostErr statut = Suivre(message->cursor);
    if (g.NbClics <= 3) MontrerCurseur(message, CurseurSommet(g.NbClics));
    RedessinerPanneau();
    return statut;
}

HostErr SourisEnfoncee(AIToolMessage* message) {
    Globals& g = *gGlobals;
    bool alt = AltEnfonce();
    g.TraceCree = 0;
    g.DeplaceSommet = 0;
    g.Constructible = 1;
    g.SommetSurvole = 0;
    if (alt) {
        BasculerPanneau();
        return kHostNoError;
    }
    // A press starts what is under the pointer now, whatever was hovered before.
    if (g.NbClics == 0) {
        HostErr statut = TestSommet(message);
        if (g.SommetSurvole) {
            g.DeplaceSommet = 1;
            return statut;
        }
    }
    bool refuse = false;
    HostErr statut = PrepareGroupe(message, refuse);
    // A refused click is not counted: the figure waits for a click its layer takes.
    if (refuse) return statut;
    Cliquer(message->cursor);
    if (g.Son) Beep(kFrequenceBip, kDureeBip);
    return statut;
}

HostErr SourisRelachee(AIToolMessage*) {
    if (gGlobals->NbClics < ClicsDeLaForme()) return kHostNoError;
    return Terminer();
}

void AbandonnerCreation() {
    Globals& g = *gGlobals;
    bool enCours = g.NbClics > 0;
    g.NbClics = 0;
    DetruireGuide();
    if (g.GroupePret) JeterGroupeVide();
    g.GroupePret = 0;
    // The record held the abandoned figure: the panel shows the current path again.
    if (enCours) RelireTrace();
}

void FormeChangee() {
    Globals& g = *gGlobals;
    if (g.NbClics == 0) return;
    // The group being clicked takes the new kind's name, "Quadrilatère" included.
    NommerGroupe(true);
    int16_t clics = ClicsDeLaForme();
    if (g.NbClics < clics) {
        MontrerClics();
        return;
    }
    // The clicks made already settle a figure of the new kind: it is made from them, its
    // last vertex taken where it was clicked.
    g.NbClics = static_cast<int16_t>(clics - 1);
    Suivre(Ancre(clics - 1));
    g.NbClics = clics;
    Terminer();
}
