// The text of a length label: the length in the panel's unit, two decimals, a decimal
// comma and the unit's suffix ("25,40 mm").
#pragma once

#include <cstddef>
#include <cstdint>

// Room for the longest text: 38 integer digits, the comma, two decimals and a suffix.
constexpr size_t kTailleTexteEtiquette = 45;

// Writes LONGUEUR (points at drawing size) in UNITE (0 mm, 1 cm, 2 in, 3 pt) into TEXTE
// (Windows-1252). The value is rounded half up at the second decimal. A value that is not
// a finite number, or too large for its digits to fit, is written "####" before the
// suffix rather than overflowing or printing garbage.
void TexteEtiquette(float longueur, int32_t unite, char (&texte)[kTailleTexteEtiquette]);
