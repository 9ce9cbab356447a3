// The panel's own drawing: the +/- picture, the inclination, the inactive diagonal's box
// and the schematic figure.
#pragma once

#include <cstddef>

#include "host/types.h"

// The draw procedure of the panel (attached through the guard).
void DessinPanneau(HostDialogRef panneau, HostDrawerRef dessin);

// The inclination as the panel writes it: whole degrees rounded down, then "°" ("-1°" for
// -0.5°, "45°" for 45.9°), an angle set in whole degrees reading as itself ("10°" for 10°
// held in float32 radians). Windows-1252.
void TexteInclinaison(float radians, char* texte, size_t taille);

// A length (points) as the inactive diagonal's box writes it in the current unit: two
// decimals at most, decimal comma, unit ("25,4 mm" for 72 points).
void TexteLongueurBoite(float points, char* texte, size_t taille);
