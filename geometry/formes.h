// The five kinds of quadrilateral and the name each gives to the figure's group.
#pragma once

#include "host/types.h"

enum class Forme { Quelconque = 0, Carre = 1, Rectangle = 2, Losange = 3, Parallelogramme = 4 };

// The kind the four flags of the state record give, tested in the order square,
// rectangle, rhombus, parallelogram; none set is the arbitrary quadrilateral.
Forme FormeCourante();

// "Quadrilatère", "Carré", "Rectangle", "Losange" or "Parallélogramme" (Windows-1252).
const char* NomDeForme(Forme forme);

// Names GroupeCourant after the current kind. With VERIFIER set, a group whose name
// cannot be read (deleted, say) is left alone and the error returned.
HostErr NommerGroupe(bool verifier);
