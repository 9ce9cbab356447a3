// Numbers as the panel writes them: a decimal comma, never a point.
#pragma once

#include <cstddef>

// Writes VALEUR into TEXTE (TAILLE bytes) with two decimals after a decimal comma: the
// shortest decimal that reads back as VALEUR, rounded half up ("2,68" for 2.675, "2,00"
// for 1.995, whose float32 lies a hair under it). A value that is not a finite number, is
// negative, or whose digits do not fit is written "####" instead: the text never
// overflows nor shows garbage.
void EcrireDeuxDecimales(double valeur, char* texte, size_t taille);
void EcrireDeuxDecimales(float valeur, char* texte, size_t taille);

// The first "." of TEXTE becomes a decimal comma.
void VirguleDecimale(char* texte);
