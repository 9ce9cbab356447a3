#include "geometry/formes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr Forme kFormes[] = {Forme::Quelconque, Forme::Carre, Forme::Rectangle, Forme::Losange,
                             Forme::Parallelogramme};

// Relative error allowed on a figure's lengths: constructions and turns in float32 leave a
// few units in the last place of each vertex, far below what the panel shows.
constexpr double kToleranceRelative = 1e-4;
// Units in the last place of the largest coordinate allowed besides: a small figure far
// from the origin cannot be more exact than its coordinates.
constexpr double kUlpsTolerees = 4;

double Longueur(HostRealPoint p, HostRealPoint q) {
    return std::hypot(double{q.h} - double{p.h}, double{q.v} - double{p.v});
}

// How far two lengths of QUADRILATERE may differ and still count as equal.
double Tolerance(const Quadrilatere& q) {
    double taille = 0;
    double position = 0;
    for (int i = 0; i < 4; ++i) {
        taille = std::max(taille, Longueur(q.sommets[i], q.sommets[(i + 1) % 4]));
        position = std::max(
            {position, double{std::fabs(q.sommets[i].h)}, double{std::fabs(q.sommets[i].v)}});
    }
    return kToleranceRelative * taille +
           kUlpsTolerees * position * std::numeric_limits<float>::epsilon();
}

}  // namespace

const char* NomDeForme(Forme forme) {
    switch (forme) {
        case Forme::Carre:
            return "Carré";
        case Forme::Rectangle:
            return "Rectangle";
        case Forme::Losange:
            return "Losange";
        case Forme::Parallelogramme:
            return "Parallélogramme";
        case Forme::Quelconque:
            break;
    }
    return "Quadrilatère";
}

Forme FormeDeNom(const char* nom) {
    for (Forme forme : kFormes)
        if (std::strcmp(nom, NomDeForme(forme)) == 0) return forme;
    return Forme::Quelconque;
}

bool EstDeForme(const Quadrilatere& q, Forme forme) {
    if (forme == Forme::Quelconque) return true;
    const HostRealPoint* v = q.sommets;
    double tolerance = Tolerance(q);
    // Twice the distance between the diagonals' middles.
    double ecart = std::hypot(double{v[0].h} + double{v[2].h} - double{v[1].h} - double{v[3].h},
                              double{v[0].v} + double{v[2].v} - double{v[1].v} - double{v[3].v});
    if (ecart > 2 * tolerance) return false;
    bool cotesEgaux = std::fabs(Longueur(v[0], v[1]) - Longueur(v[1], v[2])) <= tolerance;
    bool diagonalesEgales = std::fabs(Longueur(v[0], v[2]) - Longueur(v[1], v[3])) <= tolerance;
    switch (forme) {
        case Forme::Carre:
            return cotesEgaux && diagonalesEgales;
        case Forme::Rectangle:
            return diagonalesEgales;
        case Forme::Losange:
            return cotesEgaux;
        default:
            return true;
    }
}
