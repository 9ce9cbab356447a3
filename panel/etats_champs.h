// Which of the panel's length fields can be edited: those the figure's kind lets the user
// set, while the tool is selected.
#pragma once

#include "geometry/formes.h"

// Enables the fields of sides 2 to 4 with their focus zones, the held diagonal's field and
// zone, and the button over the other diagonal, as FORME allows: side 1 alone for a
// square, sides 1 and 2 for a rectangle, those and the held diagonal for a rhombus or a
// parallelogram, everything for an arbitrary quadrilateral. Nothing while the tool is not
// selected (the panel's activation disables everything then).
void ActiverChampsPour(Forme forme);
