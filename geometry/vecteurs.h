// Plane vector operations on document points, in 32-bit floats as the host returns them.
#pragma once

#include "host/types.h"

// The quarter turn, as the float32 constant every construction adds to an angle.
constexpr float kQuartDeTour = 1.5707964f;

float Distance(HostRealPoint p, HostRealPoint q);

// Angle in radians of q - p, from the horizontal axis towards the vertical one.
float Direction(HostRealPoint p, HostRealPoint q);

// The vector of length r at angle a (radians, taken in double precision).
HostRealPoint PointPolaire(float r, double a);

HostRealPoint Somme(HostRealPoint p, HostRealPoint v);
HostRealPoint Difference(HostRealPoint p, HostRealPoint v);

// Foot of the perpendicular from p on the line through a and b (a and b distinct).
HostRealPoint Projection(HostRealPoint p, HostRealPoint a, HostRealPoint b);

// Cross product of b - a and d - c.
float ProduitVectoriel(HostRealPoint a, HostRealPoint b, HostRealPoint c, HostRealPoint d);

// Moves a vertex: the anchor to POINT, then the out-handle to the anchor, then the
// in-handle to the out-handle, so that the sides stay straight.
void PlacerSommet(HostPathSegment& sommet, HostRealPoint point);
