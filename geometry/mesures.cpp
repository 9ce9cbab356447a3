#include "geometry/mesures.h"

#include <cmath>
#include <numbers>

#include "geometry/vecteurs.h"

float LongueurCote(const Quadrilatere& quadrilatere, int n) {
    return Distance(quadrilatere.sommets[n - 1], quadrilatere.sommets[n % 4]);
}

float LongueurDiagonale(const Quadrilatere& quadrilatere, int n) {
    return Distance(quadrilatere.sommets[n - 1], quadrilatere.sommets[n + 1]);
}

float Mesure(const Quadrilatere& quadrilatere, Longueur longueur) {
    int n = static_cast<int>(longueur);
    return n < 4 ? LongueurCote(quadrilatere, n + 1) : LongueurDiagonale(quadrilatere, n - 3);
}

float Inclinaison(const Quadrilatere& quadrilatere) {
    return Direction(quadrilatere.sommets[0], quadrilatere.sommets[3]);
}

double Aire(const Quadrilatere& quadrilatere) {
    const HostRealPoint* v = quadrilatere.sommets;
    auto h = [&](int i) { return double{v[i].h} - double{v[0].h}; };
    auto w = [&](int i) { return double{v[i].v} - double{v[0].v}; };
    // The triangles (1, 2, 3) and (1, 3, 4) from vertex 1, signed.
    double deuxFois = h(1) * w(2) - w(1) * h(2) + h(2) * w(3) - w(2) * h(3);
    return std::fabs(deuxFois) / 2;
}

double EnDegres(float radians) {
    return radians * 180.0 / std::numbers::pi;
}

float EnRadians(double degres) {
    return static_cast<float>(degres * std::numbers::pi / 180.0);
}

double DegresEntiers(double degres) {
    return std::floor(degres + kToleranceDegres);
}

float AngleApresBouton(float degres, bool plus, bool parDizaines) {
    float pas = plus ? 1.0f : -1.0f;
    if (!parDizaines) return degres + pas;
    double dizaines = std::floor((double{degres} + kToleranceDegres) / 10);
    return static_cast<float>(10 * dizaines + 10 * pas);
}

float DansUnTour(float degres) {
    double tours = std::ceil((double{degres} - 180) / 360);
    return static_cast<float>(degres - 360 * tours);
}

float LongueurPanneau(float distanceDocument, float facteur) {
    return distanceDocument / facteur;
}

float LongueurDocument(float longueurPanneau, float facteur) {
    return longueurPanneau * facteur;
}
