// The quadrilateral as a value: its four vertices, numbered 1 to 4 in click order. Side n
// joins vertex n and vertex n + 1 (side 4 joins vertex 4 and vertex 1); diagonal 1 joins
// vertices 1 and 3, diagonal 2 vertices 2 and 4.
//
// The state record holds the vertices as four path segments whose handles always equal
// their anchors, so the anchors alone are the figure.
#pragma once

#include "host/types.h"

struct Quadrilatere {
    HostRealPoint sommets[4];  // vertices 1 to 4 at indexes 0 to 3
};

// The anchors of four path segments.
Quadrilatere AncresDe(const HostPathSegment (&sommets)[4]);

// Moves a vertex: the anchor to POINT, then the out-handle to the anchor, then the
// in-handle to the out-handle, so that the sides stay straight. The corner flag stays.
void PlacerSommet(HostPathSegment& sommet, HostRealPoint point);

// Places the four vertices of QUADRILATERE into SOMMETS, each as PlacerSommet does.
void PlacerSommets(HostPathSegment (&sommets)[4], const Quadrilatere& quadrilatere);
