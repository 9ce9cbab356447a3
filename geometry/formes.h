// The five kinds of quadrilateral and the name each gives to the figure's group.
#pragma once

#include "geometry/quadrilatere.h"

enum class Forme { Quelconque = 0, Carre = 1, Rectangle = 2, Losange = 3, Parallelogramme = 4 };

// "Quadrilatère", "Carré", "Rectangle", "Losange" or "Parallélogramme" (Windows-1252).
const char* NomDeForme(Forme forme);

// The kind a group named NOM holds: the kind whose name it is, the arbitrary kind for any
// other name.
Forme FormeDeNom(const char* nom);

// Whether QUADRILATERE is of kind FORME, to the precision its float32 vertices and the
// constructions that made it keep: a parallelogram's diagonals share their middle, a
// rhombus is a parallelogram with equal sides, a rectangle one with equal diagonals, a
// square both. Every quadrilateral is of the arbitrary kind.
bool EstDeForme(const Quadrilatere& quadrilatere, Forme forme);
