#include "geometry/mesures.h"

#include <cmath>
#include <numbers>

#include "geometry/vecteurs.h"
#include "settings/globals.h"

HostErr CalculerAire() {
    const HostPathSegment* s = gGlobals->Sommets;
    float s1 = 0;
    float s2 = 0;
    for (int i = 0; i < 4; ++i) {
        const HostRealPoint& p = s[i].p;
        const HostRealPoint& q = s[(i + 1) % 4].p;
        s1 += p.h * q.v;
        s2 += p.v * q.h;
    }
    gGlobals->AirePoints = std::fabs(s1 - s2) / 2;
    return kHostNoError;
}

float InclinaisonDesSommets() {
    return Direction(gGlobals->Sommets[0].p, gGlobals->Sommets[3].p);
}

double EnDegres(float radians) {
    return radians * 180.0 / std::numbers::pi;
}

float LongueurPanneau(float distanceDocument) {
    return distanceDocument / gGlobals->FacteurEchelle;
}

float LongueurDocument(float longueurPanneau) {
    return longueurPanneau * gGlobals->FacteurEchelle;
}

float LongueurEntre(int sommetA, int sommetB) {
    return LongueurPanneau(Distance(gGlobals->Sommets[sommetA].p, gGlobals->Sommets[sommetB].p));
}
