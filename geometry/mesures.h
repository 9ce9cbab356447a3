// Measures of the current quadrilateral: area, inclination and the lengths the panel
// shows.
#pragma once

#include "host/types.h"

// AirePoints from the four anchors (shoelace formula, float32 sums). The area read-out of
// the panel comes with the units' display.
HostErr CalculerAire();

// The direction from vertex 1 to vertex 4, in radians.
float InclinaisonDesSommets();

// An angle in degrees, as the panel shows it.
double EnDegres(float radians);

// A document distance as the panel holds it: divided by the drawing scale.
float LongueurPanneau(float distanceDocument);

// A panel length as a document distance: multiplied by the drawing scale.
float LongueurDocument(float longueurPanneau);

// Distance between two vertices (0 to 3), at drawing size.
float LongueurEntre(int sommetA, int sommetB);
