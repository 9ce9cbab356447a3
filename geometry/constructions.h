// Rebuilding the quadrilateral from lengths typed in the panel, for every kind, and the
// refusal of impossible triangles.
#pragma once

#include "host/types.h"

// Rebuilds vertices 2 to 4 as a rectangle on vertex 1 with sides A and B (panel
// lengths), keeping the direction of side 1; derives both diagonals. Returns 0.
HostErr ConstruireRectangle(float a, float b);

// Rebuilds vertices 2 to 4 as a parallelogram on vertex 1 with sides A and B, keeping the
// directions of sides 1 and 2; derives both diagonals. Returns 0.
HostErr ConstruireParallelogramme(float a, float b);

// Moves OUT to the point at document distance R1 from P and R2 from Q on R's side of the
// line PQ. An impossible triangle, or P and Q in one place, clears Constructible and
// leaves OUT alone.
void PointApex(HostRealPoint p, HostRealPoint q, HostRealPoint r, float r1, float r2,
               HostPathSegment& out);

// The apex's height above the foot of its altitude, for a triangle side R whose foot lies
// X along the base: √(R² - X²). A flat triangle can round R² - X² just below zero; its apex
// lies on the base, so the height is 0 rather than NaN.
float HauteurApex(float r, float x);

// Of A + v and A - v, with v the vector of LENGTH at ANGLE: the one farther from B when
// LOIN is set, the nearer one otherwise (ties go to A + v when far, A - v when near).
HostRealPoint ChoisirCandidat(float length, double angle, HostRealPoint a, HostRealPoint b,
                              bool loin);

// The panel values a user edits.
enum class ValeurEditee { Cote1, Cote2, Cote3, Cote4, Diagonale1, Diagonale2 };

// Rebuilds the figure after VALEUR was stored in its field of the state record and
// Constructible set: the construction the kind calls for, then the commit EcritTrace.
// Returns the commit's status.
HostErr Construire(ValeurEditee valeur);
