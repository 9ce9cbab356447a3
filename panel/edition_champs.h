// The panel's length and position fields: a value typed there rebuilds or moves the
// figure and commits it to the document. Each is attached through the guard.
#pragma once

#include "host/types.h"

// Sides 1 to 4 and the two diagonals: the value typed (points at drawing size) goes into
// its field of the state record and the construction for the current kind rebuilds the
// figure, or refuses it with "Construction impossible !".
void NotifierLongueur(HostItemRef item, HostDialogNotifierRef notifier);

// The horizontal and vertical position of vertex 1 (document points): the whole figure
// moves by the difference with where vertex 1 is.
void NotifierPosition(HostItemRef item, HostDialogNotifierRef notifier);
