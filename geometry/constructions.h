// Rebuilding the quadrilateral from lengths typed in the panel, for every kind, and the
// refusal of impossible triangles. Values in, values out; every float32 rounding step is
// part of the result.
#pragma once

#include <optional>

#include "geometry/figure.h"
#include "geometry/formes.h"

// What a construction leaves: the figure, whether every triangle it needed exists, and
// the lengths whose panel fields it refreshes.
struct Construction {
    Figure figure;
    bool constructible = true;
    bool rafraichies[kNombreLongueurs] = {};

    bool Rafraichie(Longueur longueur) const { return rafraichies[static_cast<int>(longueur)]; }
};

// Rebuilds vertices 2 to 4 of FIGURE as a rectangle on vertex 1 with sides A and B (panel
// lengths, multiplied by the drawing scale FACTEUR), keeping the direction of side 1; side
// 2 turns a quarter turn towards positive angles. Both diagonals take diagonal 1's length.
// Refreshes every length but side 1.
Construction ConstruireRectangle(const Figure& figure, float a, float b, float facteur);

// Rebuilds vertices 2 to 4 as a parallelogram on vertex 1 with sides A and B, keeping the
// directions of sides 1 and 2; derives both diagonals. Refreshes all six lengths.
Construction ConstruireParallelogramme(const Figure& figure, float a, float b, float facteur);

// The point at document distance R1 from P and R2 from Q on R's side of the line PQ (a
// flat triangle puts it on the line; R on the line gets the tie of ChoisirCandidat).
// Nothing when the triangle is impossible or when P and Q are one point.
std::optional<HostRealPoint> PointApex(HostRealPoint p, HostRealPoint q, HostRealPoint r, float r1,
                                       float r2);

// The apex's height above the foot of its altitude, for a triangle side R whose foot lies
// X along the base: √(R² - X²). A flat triangle can round R² - X² just below zero; its apex
// lies on the base, so the height is 0 rather than NaN.
float HauteurApex(float r, float x);

// Of A + v and A - v, with v the vector of LONGUEUR at ANGLE: the one farther from B when
// LOIN is set, the nearer one otherwise (ties go to A + v when far, A - v when near).
HostRealPoint ChoisirCandidat(float longueur, double angle, HostRealPoint a, HostRealPoint b,
                              bool loin);

// Rebuilds FIGURE after the user typed EDITEE (its new value already in FIGURE) for the
// kind FORME at the drawing scale FACTEUR. Sides 1 and 2 of the regular kinds copy the
// lengths the kind ties together and build the whole figure. Otherwise the held diagonal
// (diagonal 1 when DIAGONALE1_ACTIVE) stays and the edited side moves the vertex off it,
// on the side where it was; the other diagonal follows. A diagonal edit slides the
// diagonal's far end along its direction and rebuilds the two vertices off it. A refused
// triangle leaves its vertex where it was and the construction not constructible.
Construction Reconstruire(const Figure& figure, Longueur editee, Forme forme, bool diagonale1Active,
                          float facteur);
