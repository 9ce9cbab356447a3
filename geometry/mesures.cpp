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

float LongueurPanneau(float distanceDocument, float facteur) {
    return distanceDocument / facteur;
}

float LongueurDocument(float longueurPanneau, float facteur) {
    return longueurPanneau * facteur;
}
