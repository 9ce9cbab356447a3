// The figure as the state record holds it, read and written as the geometry's values.
#pragma once

#include "geometry/figure.h"
#include "geometry/formes.h"

// The kind the four flags of the record give, tested in the order square, rectangle,
// rhombus, parallelogram; none set is the arbitrary quadrilateral.
Forme FormeCourante();

// The record's field of LONGUEUR: Cote1 to Cote4, Diagonale1, Diagonale2.
float& LongueurCourante(Longueur longueur);

// Sets LONGUEUR's field of the record from the anchors of Sommets, at drawing size, and
// returns it.
float MesurerLongueur(Longueur longueur);

// The anchors of Sommets and the six lengths.
Figure FigureCourante();

// Puts FIGURE into the record: every vertex with its handles on its anchor, and the six
// lengths.
void EnregistrerFigure(const Figure& figure);

// Whether a figure is being clicked: the record then holds its vertices, and no panel edit
// may reach a finished figure meanwhile.
bool CreationEnCours();
