// Measures of a quadrilateral, and the drawing scale between document distances and the
// lengths the panel holds.
#pragma once

#include "geometry/figure.h"
#include "geometry/quadrilatere.h"

// Length of side N (1 to 4), in document points.
float LongueurCote(const Quadrilatere& quadrilatere, int n);

// Length of diagonal N (1 or 2), in document points.
float LongueurDiagonale(const Quadrilatere& quadrilatere, int n);

// The side or diagonal LONGUEUR of QUADRILATERE, in document points.
float Mesure(const Quadrilatere& quadrilatere, Longueur longueur);

// The inclination: the direction from vertex 1 to vertex 4, in radians (0 when they are
// one point).
float Inclinaison(const Quadrilatere& quadrilatere);

// The area in square document points, exact for the four float32 anchors up to double
// rounding (shoelace formula on the vectors from vertex 1, so that a figure far from the
// origin keeps its digits). A crossed figure gets the net value of its signed parts.
double Aire(const Quadrilatere& quadrilatere);

// An angle in degrees, as the panel shows it.
double EnDegres(float radians);

// An angle given in degrees, in radians as the model holds it.
float EnRadians(double degres);

// The whole number of degrees at or below DEGRES. An angle set in whole degrees comes back
// from its float32 radians a hair above or below them: within kToleranceDegres under a
// whole degree, DEGRES counts as that degree (10 stays 10, -0.5 gives -1, 45.9 gives 45).
constexpr double kToleranceDegres = 1e-3;
double DegresEntiers(double degres);

// The inclination, in degrees, after a click on the panel's + button (PLUS) or - button,
// from DEGRES: one degree more or less, or with PAR_DIZAINES the multiple of ten at or
// below DEGRES plus or minus ten (35 gives 40 and 20, -35 gives -30 and -50), DEGRES
// counting as the whole degree it is within kToleranceDegres under.
float AngleApresBouton(float degres, bool plus, bool parDizaines);

// DEGRES brought into (-180, 180] by whole turns: the same direction, as the slider can
// show it.
float DansUnTour(float degres);

// A document distance as the panel holds it: divided by the drawing scale FACTEUR.
float LongueurPanneau(float distanceDocument, float facteur);

// A panel length as a document distance: multiplied by the drawing scale FACTEUR.
float LongueurDocument(float longueurPanneau, float facteur);
