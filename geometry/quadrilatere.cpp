#include "geometry/quadrilatere.h"

Quadrilatere AncresDe(const HostPathSegment (&sommets)[4]) {
    return {{sommets[0].p, sommets[1].p, sommets[2].p, sommets[3].p}};
}

void PlacerSommet(HostPathSegment& sommet, HostRealPoint point) {
    sommet.p = point;
    sommet.out = sommet.p;
    sommet.in = sommet.out;
}

void PlacerSommets(HostPathSegment (&sommets)[4], const Quadrilatere& quadrilatere) {
    for (int i = 0; i < 4; ++i) PlacerSommet(sommets[i], quadrilatere.sommets[i]);
}
