#include "geometry/constructions.h"

#include <cmath>

#include "geometry/champs.h"
#include "geometry/formes.h"
#include "geometry/mesures.h"
#include "geometry/vecteurs.h"
#include "settings/globals.h"
#include "tool/trace.h"

namespace {

HostPathSegment& Sommet(int index) {
    return gGlobals->Sommets[index];
}
HostRealPoint Ancre(int index) {
    return gGlobals->Sommets[index].p;
}

// A diagonal derived from the vertices, stored and shown.
void RafraichirDiagonale1() {
    gGlobals->Diagonale1 = LongueurEntre(0, 2);
    AfficherLongueur(kChampDiagonale1, gGlobals->Diagonale1);
}
void RafraichirDiagonale2() {
    gGlobals->Diagonale2 = LongueurEntre(1, 3);
    AfficherLongueur(kChampDiagonale2, gGlobals->Diagonale2);
}

void AfficherCotes(bool avecCote1) {
    if (avecCote1) AfficherLongueur(kChampCote1, gGlobals->Cote1);
    AfficherLongueur(kChampCote2, gGlobals->Cote2);
    AfficherLongueur(kChampCote3, gGlobals->Cote3);
    AfficherLongueur(kChampCote4, gGlobals->Cote4);
}

}  // namespace

HostErr ConstruireRectangle(float a, float b) {
    float k = gGlobals->FacteurEchelle;
    PlacerSommet(Sommet(1), Somme(Ancre(0), PointPolaire(a * k, Direction(Ancre(0), Ancre(1)))));
    double quartDeTour = double{Direction(Ancre(0), Ancre(1))} + double{kQuartDeTour};
    PlacerSommet(Sommet(2), Somme(Ancre(1), PointPolaire(b * k, quartDeTour)));
    PlacerSommet(Sommet(3), Somme(Ancre(0), PointPolaire(b * k, Direction(Ancre(1), Ancre(2)))));
    gGlobals->Diagonale1 = LongueurEntre(0, 2);
    gGlobals->Diagonale2 = gGlobals->Diagonale1;
    // The rectangle leaves the side 1 field as it is.
    AfficherCotes(false);
    AfficherLongueur(kChampDiagonale1, gGlobals->Diagonale1);
    AfficherLongueur(kChampDiagonale2, gGlobals->Diagonale2);
    return kHostNoError;
}

HostErr ConstruireParallelogramme(float a, float b) {
    float k = gGlobals->FacteurEchelle;
    // Side 2 keeps its direction: taken before vertex 2 moves along side 1.
    float cote2 = Direction(Ancre(1), Ancre(2));
    PlacerSommet(Sommet(1), Somme(Ancre(0), PointPolaire(a * k, Direction(Ancre(0), Ancre(1)))));
    PlacerSommet(Sommet(2), Somme(Ancre(1), PointPolaire(b * k, cote2)));
    PlacerSommet(Sommet(3), Somme(Ancre(0), PointPolaire(b * k, Direction(Ancre(1), Ancre(2)))));
    AfficherCotes(true);
    RafraichirDiagonale1();
    RafraichirDiagonale2();
    return kHostNoError;
}

HostRealPoint ChoisirCandidat(float length, double angle, HostRealPoint a, HostRealPoint b,
                              bool loin) {
    HostRealPoint v = PointPolaire(length, angle);
    HostRealPoint c1 = Somme(a, v);
    HostRealPoint c2 = Difference(a, v);
    float d1 = Distance(b, c1);
    float d2 = Distance(b, c2);
    if (d2 > d1) return loin ? c2 : c1;
    return loin ? c1 : c2;
}

namespace {

struct Centres {
    HostRealPoint m, n;  // the centre the foot is measured from, and the other one
    float r, s;          // their radii
};

Centres ChoisirCentres(HostRealPoint p, HostRealPoint q, float d, float r1, float r2) {
    if (r1 < d && r2 < d) return {q, p, r2, r1};
    if (d < r1 && d > r2) return {p, q, r1, r2};
    if (d < r2 && d > r1) return {q, p, r2, r1};
    if (r1 < r2) return {q, p, r2, r1};
    return {p, q, r1, r2};
}

bool TriangleImpossible(float d, float r1, float r2) {
    // Coincident ends would divide by zero below.
    if (d == 0) return true;
    return r2 > d + r1 || r1 > d + r2 || d > double{r1} + double{r2};
}

}  // namespace

float HauteurApex(float r, float x) {
    double reste = double{r} * r - double{x} * x;
    return static_cast<float>(std::sqrt(std::max(reste, 0.0)));
}

void PointApex(HostRealPoint p, HostRealPoint q, HostRealPoint r, float r1, float r2,
               HostPathSegment& out) {
    float d = Distance(p, q);
    if (TriangleImpossible(d, r1, r2)) {
        gGlobals->Constructible = 0;
        return;
    }
    float phi = Direction(p, q);
    Centres c = ChoisirCentres(p, q, d, r1, r2);
    double dd = d, rr = c.r, ss = c.s;
    float x = static_cast<float>((dd * dd + rr * rr - ss * ss) / (2 * dd));
    float h = HauteurApex(c.r, x);
    HostRealPoint pied = ChoisirCandidat(x, phi, c.m, c.n, false);
    PlacerSommet(out, ChoisirCandidat(h, double{phi} + double{kQuartDeTour}, pied, r, false));
}

namespace {

// The apex of vertex CIBLE on the diagonal from vertex P to vertex Q, from the side
// lengths LONGUEURP (from P) and LONGUEURQ (from Q), on the side where it was.
void Apex(int p, int q, int cible, float longueurP, float longueurQ) {
    PointApex(Ancre(p), Ancre(q), Ancre(cible), LongueurDocument(longueurP),
              LongueurDocument(longueurQ), Sommet(cible));
}

// The moves of an arbitrary quadrilateral. With diagonal 1 held, vertex 2 or 4 moves
// (diagonal 2 follows); with diagonal 2 held, vertex 1 or 3 moves (diagonal 1 follows).
void DeplacerSommet2() {
    Apex(0, 2, 1, gGlobals->Cote1, gGlobals->Cote2);
}
void DeplacerSommet4() {
    Apex(0, 2, 3, gGlobals->Cote4, gGlobals->Cote3);
}
void DeplacerSommet1() {
    Apex(1, 3, 0, gGlobals->Cote1, gGlobals->Cote4);
}
void DeplacerSommet3() {
    Apex(1, 3, 2, gGlobals->Cote2, gGlobals->Cote3);
}

// An arbitrary quadrilateral: the held diagonal stays, the edited side moves the vertex
// off that diagonal.
void ConstruireQuelconque(ValeurEditee valeur) {
    bool diagonale1 = gGlobals->Diagonale1Active != 0;
    bool cote1ou2 = valeur == ValeurEditee::Cote1 || valeur == ValeurEditee::Cote2;
    if (diagonale1) {
        cote1ou2 ? DeplacerSommet2() : DeplacerSommet4();
        RafraichirDiagonale2();
        return;
    }
    bool cote1ou4 = valeur == ValeurEditee::Cote1 || valeur == ValeurEditee::Cote4;
    cote1ou4 ? DeplacerSommet1() : DeplacerSommet3();
    RafraichirDiagonale1();
}

void ConstruireDiagonale1() {
    float k = gGlobals->FacteurEchelle;
    PlacerSommet(Sommet(2), Somme(Ancre(0), PointPolaire(gGlobals->Diagonale1 * k,
                                                         Direction(Ancre(0), Ancre(2)))));
    DeplacerSommet2();
    DeplacerSommet4();
    RafraichirDiagonale2();
}

void ConstruireDiagonale2() {
    float k = gGlobals->FacteurEchelle;
    PlacerSommet(Sommet(1), Somme(Ancre(3), PointPolaire(gGlobals->Diagonale2 * k,
                                                         Direction(Ancre(3), Ancre(1)))));
    DeplacerSommet1();
    DeplacerSommet3();
    RafraichirDiagonale1();
}

// Sides 1 and 2 of the regular kinds: the side lengths the kind implies, then its builder.
void ConstruireForme(ValeurEditee valeur, Forme forme) {
    Globals& g = *gGlobals;
    bool cotesEgaux = forme == Forme::Carre || forme == Forme::Losange;
    if (cotesEgaux && valeur == ValeurEditee::Cote2) g.Cote1 = g.Cote2;
    if (cotesEgaux) g.Cote2 = g.Cote1;
    g.Cote3 = g.Cote1;
    g.Cote4 = g.Cote2;
    if (forme == Forme::Carre || forme == Forme::Rectangle)
        ConstruireRectangle(g.Cote1, g.Cote2);
    else
        ConstruireParallelogramme(g.Cote1, g.Cote2);
}

}  // namespace

HostErr Construire(ValeurEditee valeur) {
    Forme forme = FormeCourante();
    bool cote1ou2 = valeur == ValeurEditee::Cote1 || valeur == ValeurEditee::Cote2;
    if (valeur == ValeurEditee::Diagonale1)
        ConstruireDiagonale1();
    else if (valeur == ValeurEditee::Diagonale2)
        ConstruireDiagonale2();
    else if (cote1ou2 && forme != Forme::Quelconque)
        ConstruireForme(valeur, forme);
    else
        ConstruireQuelconque(valeur);
    RedessinerPanneau();
    return EcritTrace();
}
