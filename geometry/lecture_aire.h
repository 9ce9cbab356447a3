// The area read-out of the panel: the area in square display units at drawing size.
#pragma once

#include <cstdint>

// The display units, as the panel's units popup numbers them: 0 mm, 1 cm, 2 decimal
// inches, 3 points.
constexpr int32_t kUnitePoint = 3;
constexpr int32_t kNombreUnites = 4;

// AIRE_POINTS (square document points) in the square of UNITE (0 to 2) at drawing size:
// divided by the square of the drawing scale FACTEUR.
double AireEnUnite(double airePoints, int32_t unite, float facteur);

// " mm2", " cm2", " po2" or " pt2" for UNITE 0 to 3.
const char* SuffixeAire(int32_t unite);
