// Measures of a quadrilateral, and the drawing scale between document distances and the
// lengths the panel holds.
#pragma once

#include "geometry/quadrilatere.h"

// Length of side N (1 to 4), in document points.
float LongueurCote(const Quadrilatere& quadrilatere, int n);

// Length of diagonal N (1 or 2), in document points.
float LongueurDiagonale(const Quadrilatere& quadrilatere, int n);

// The inclination: the direction from vertex 1 to vertex 4, in radians (0 when they are
// one point).
float Inclinaison(const Quadrilatere& quadrilatere);

// The area in square document points (shoelace formula, each product added to a float32
// sum starting from 0). A crossed figure gets the net value of its signed parts.
float Aire(const Quadrilatere& quadrilatere);

// An angle in degrees, as the panel shows it.
double EnDegres(float radians);

// A document distance as the panel holds it: divided by the drawing scale FACTEUR.
float LongueurPanneau(float distanceDocument, float facteur);

// A panel length as a document distance: multiplied by the drawing scale FACTEUR.
float LongueurDocument(float longueurPanneau, float facteur);
