// The five kinds of quadrilateral and the name each gives to the figure's group.
#pragma once

enum class Forme { Quelconque = 0, Carre = 1, Rectangle = 2, Losange = 3, Parallelogramme = 4 };

// "Quadrilatère", "Carré", "Rectangle", "Losange" or "Parallélogramme" (Windows-1252).
const char* NomDeForme(Forme forme);
