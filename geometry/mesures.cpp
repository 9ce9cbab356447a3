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

float Aire(const Quadrilatere& quadrilatere) {
    float s1 = 0;
    float s2 = 0;
    for (int i = 0; i < 4; ++i) {
        const HostRealPoint& p = quadrilatere.sommets[i];
        const HostRealPoint& q = quadrilatere.sommets[(i + 1) % 4];
        s1 += p.h * q.v;
        s2 += p.v * q.h;
    }
    return std::fabs(s1 - s2) / 2;
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

float LongueurPanneau(float distanceDocument, float facteur) {
    return distanceDocument / facteur;
}

float LongueurDocument(float longueurPanneau, float facteur) {
    return longueurPanneau * facteur;
}
