#include "geometry/constructions.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "geometry/mesures.h"
#include "geometry/vecteurs.h"

namespace {

// The quarter turn, as the float32 constant every construction adds to an angle.
constexpr float kQuartDeTour = 1.5707964f;

void Rafraichir(Construction& construction, std::initializer_list<Longueur> longueurs) {
    for (Longueur longueur : longueurs) construction.rafraichies[static_cast<int>(longueur)] = true;
}

// Diagonal N (1 or 2) of QUADRILATERE as the panel holds it.
float DiagonaleAuDessin(const Quadrilatere& quadrilatere, int n, float facteur) {
    return LongueurPanneau(LongueurDiagonale(quadrilatere, n), facteur);
}

}  // namespace

Construction ConstruireRectangle(const Figure& figure, float a, float b, float facteur) {
    Construction c{figure};
    HostRealPoint* v = c.figure.quadrilatere.sommets;
    float k = facteur;
    v[1] = Somme(v[0], PointPolaire(a * k, Direction(v[0], v[1])));
    double quartDeTour = double{Direction(v[0], v[1])} + double{kQuartDeTour};
    v[2] = Somme(v[1], PointPolaire(b * k, quartDeTour));
    v[3] = Somme(v[0], PointPolaire(b * k, Direction(v[1], v[2])));
    c.figure[Longueur::Diagonale1] = DiagonaleAuDessin(c.figure.quadrilatere, 1, k);
    c.figure[Longueur::Diagonale2] = c.figure[Longueur::Diagonale1];
    Rafraichir(c, {Longueur::Cote2, Longueur::Cote3, Longueur::Cote4, Longueur::Diagonale1,
                   Longueur::Diagonale2});
    return c;
}

Construction ConstruireParallelogramme(const Figure& figure, float a, float b, float facteur) {
    Construction c{figure};
    HostRealPoint* v = c.figure.quadrilatere.sommets;
    float k = facteur;
    // Side 2 keeps its direction: taken before vertex 2 moves along side 1.
    float cote2 = Direction(v[1], v[2]);
    v[1] = Somme(v[0], PointPolaire(a * k, Direction(v[0], v[1])));
    v[2] = Somme(v[1], PointPolaire(b * k, cote2));
    v[3] = Somme(v[0], PointPolaire(b * k, Direction(v[1], v[2])));
    c.figure[Longueur::Diagonale1] = DiagonaleAuDessin(c.figure.quadrilatere, 1, k);
    c.figure[Longueur::Diagonale2] = DiagonaleAuDessin(c.figure.quadrilatere, 2, k);
    Rafraichir(c, {Longueur::Cote1, Longueur::Cote2, Longueur::Cote3, Longueur::Cote4,
                   Longueur::Diagonale1, Longueur::Diagonale2});
    return c;
}

HostRealPoint ChoisirCandidat(float longueur, double angle, HostRealPoint a, HostRealPoint b,
                              bool loin) {
    HostRealPoint v = PointPolaire(longueur, angle);
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

std::optional<HostRealPoint> PointApex(HostRealPoint p, HostRealPoint q, HostRealPoint r, float r1,
                                       float r2) {
    float d = Distance(p, q);
    if (TriangleImpossible(d, r1, r2)) return std::nullopt;
    float phi = Direction(p, q);
    Centres c = ChoisirCentres(p, q, d, r1, r2);
    double dd = d, rr = c.r, ss = c.s;
    float x = static_cast<float>((dd * dd + rr * rr - ss * ss) / (2 * dd));
    float h = HauteurApex(c.r, x);
    HostRealPoint pied = ChoisirCandidat(x, phi, c.m, c.n, false);
    return ChoisirCandidat(h, double{phi} + double{kQuartDeTour}, pied, r, false);
}

namespace {

// A construction under way at the drawing scale k.
struct Chantier {
    Construction construction;
    float k;

    HostRealPoint* Sommets() { return construction.figure.quadrilatere.sommets; }
    float DocumentDe(Longueur longueur) const {
        return LongueurDocument(construction.figure[longueur], k);
    }
};

// How each vertex is rebuilt as an apex: over the diagonal from P to Q (vertex indexes),
// the side from P and the side from Q.
struct Apex {
    int p, q;
    Longueur depuisP, depuisQ;
};
constexpr Apex kApex[4] = {
    {1, 3, Longueur::Cote1, Longueur::Cote4},  // vertex 1, off diagonal 2
    {0, 2, Longueur::Cote1, Longueur::Cote2},  // vertex 2, off diagonal 1
    {1, 3, Longueur::Cote2, Longueur::Cote3},  // vertex 3, off diagonal 2
    {0, 2, Longueur::Cote4, Longueur::Cote3},  // vertex 4, off diagonal 1
};

// Moves vertex SOMMET (1 to 4) to its apex, on the side of the diagonal where it was; a
// refused triangle leaves it there.
void DeplacerSommet(Chantier& chantier, int sommet) {
    const Apex& apex = kApex[sommet - 1];
    HostRealPoint* v = chantier.Sommets();
    std::optional<HostRealPoint> point =
        PointApex(v[apex.p], v[apex.q], v[sommet - 1], chantier.DocumentDe(apex.depuisP),
                  chantier.DocumentDe(apex.depuisQ));
    if (point)
        v[sommet - 1] = *point;
    else
        chantier.construction.constructible = false;
}

// Diagonal N (1 or 2) derived from the vertices, and refreshed.
void DeriverDiagonale(Chantier& chantier, int n) {
    Longueur diagonale = n == 1 ? Longueur::Diagonale1 : Longueur::Diagonale2;
    Construction& c = chantier.construction;
    c.figure[diagonale] = DiagonaleAuDessin(c.figure.quadrilatere, n, chantier.k);
    Rafraichir(c, {diagonale});
}

bool Parmi(Longueur longueur, Longueur a, Longueur b) {
    return longueur == a || longueur == b;
}

// An arbitrary quadrilateral: the held diagonal stays, the edited side moves the vertex
// off that diagonal, and the other diagonal follows.
Construction ConstruireQuelconque(Chantier chantier, Longueur editee, bool diagonale1Active) {
    if (diagonale1Active) {
        DeplacerSommet(chantier, Parmi(editee, Longueur::Cote1, Longueur::Cote2) ? 2 : 4);
        DeriverDiagonale(chantier, 2);
    } else {
        DeplacerSommet(chantier, Parmi(editee, Longueur::Cote1, Longueur::Cote4) ? 1 : 3);
        DeriverDiagonale(chantier, 1);
    }
    return chantier.construction;
}

// A typed diagonal slides its far end along the diagonal from its near end (vertex 3 from
// vertex 1 for diagonal 1, vertex 2 from vertex 4 for diagonal 2); the two vertices off it
// are rebuilt on it, and the other diagonal follows.
struct Diagonale {
    Longueur longueur;
    int depart, bout;      // indices of the near and far ends
    int sommetA, sommetB;  // the vertices rebuilt, numbered from 1
    int autre;             // the other diagonal, numbered from 1
};
constexpr Diagonale kDiagonale1 = {Longueur::Diagonale1, 0, 2, 2, 4, 2};
constexpr Diagonale kDiagonale2 = {Longueur::Diagonale2, 3, 1, 1, 3, 1};

Construction ConstruireDiagonale(Chantier chantier, const Diagonale& d) {
    HostRealPoint* v = chantier.Sommets();
    v[d.bout] = Somme(v[d.depart], PointPolaire(chantier.DocumentDe(d.longueur),
                                                Direction(v[d.depart], v[d.bout])));
    DeplacerSommet(chantier, d.sommetA);
    DeplacerSommet(chantier, d.sommetB);
    DeriverDiagonale(chantier, d.autre);
    return chantier.construction;
}

// Sides 1 and 2 of the regular kinds: the side lengths the kind implies, then its builder.
Construction ConstruireForme(Figure f, Longueur editee, Forme forme, float facteur) {
    bool cotesEgaux = forme == Forme::Carre || forme == Forme::Losange;
    if (cotesEgaux && editee == Longueur::Cote2) f[Longueur::Cote1] = f[Longueur::Cote2];
    if (cotesEgaux) f[Longueur::Cote2] = f[Longueur::Cote1];
    f[Longueur::Cote3] = f[Longueur::Cote1];
    f[Longueur::Cote4] = f[Longueur::Cote2];
    if (forme == Forme::Carre || forme == Forme::Rectangle)
        return ConstruireRectangle(f, f[Longueur::Cote1], f[Longueur::Cote2], facteur);
    return ConstruireParallelogramme(f, f[Longueur::Cote1], f[Longueur::Cote2], facteur);
}

}  // namespace

Construction Reconstruire(const Figure& figure, Longueur editee, Forme forme, bool diagonale1Active,
                          float facteur) {
    Chantier chantier{{figure}, facteur};
    if (editee == Longueur::Diagonale1) return ConstruireDiagonale(chantier, kDiagonale1);
    if (editee == Longueur::Diagonale2) return ConstruireDiagonale(chantier, kDiagonale2);
    if (Parmi(editee, Longueur::Cote1, Longueur::Cote2) && forme != Forme::Quelconque)
        return ConstruireForme(figure, editee, forme, facteur);
    return ConstruireQuelconque(chantier, editee, diagonale1Active);
}
