// Numbers as the panel writes them: a decimal comma, never a point.
#pragma once

#include <cstddef>

// Writes VALEUR into TEXTE (TAILLE bytes) with two decimals after a decimal comma: the
// value plus 0.005 is truncated, digit by digit, in float32 ("2,68" for 2.675). A value
// that is not a finite number, is negative, or whose digits do not fit is written "####"
// instead: the text never overflows nor shows garbage.
void EcrireDeuxDecimales(float valeur, char* texte, size_t taille);

// The first "." of TEXTE becomes a decimal comma.
void VirguleDecimale(char* texte);
