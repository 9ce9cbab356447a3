// Plane vector operations on document points, in 32-bit floats as the host returns them.
#pragma once

#include "host/types.h"

// Two points closer than this, in document points, are one point where a line through
// them is needed.
constexpr float kTolerance = 1e-4f;

float Distance(HostRealPoint p, HostRealPoint q);

// Angle in radians of q - p, from the horizontal axis towards the vertical one. Equal
// points give 0.
float Direction(HostRealPoint p, HostRealPoint q);

// The vector of length r at angle a (radians, taken in double precision).
HostRealPoint PointPolaire(float r, double a);

HostRealPoint Somme(HostRealPoint p, HostRealPoint v);
HostRealPoint Difference(HostRealPoint p, HostRealPoint v);

// Foot of the perpendicular from p on the line through a and b, with the parameter along
// b - a rounded to float32 before use. When a and b are closer than kTolerance there is
// no line: the answer is a.
HostRealPoint Projection(HostRealPoint p, HostRealPoint a, HostRealPoint b);

// Cross product of b - a and d - c.
float ProduitVectoriel(HostRealPoint a, HostRealPoint b, HostRealPoint c, HostRealPoint d);
