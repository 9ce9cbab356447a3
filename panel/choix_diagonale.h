// The held diagonal: the one whose field is shown and editable, the other one's length
// being drawn in a box at its place under an invisible button that switches to it.
#pragma once

#include "host/types.h"

// Shows, hides, enables and disables the two diagonal fields, their focus zones and the
// two buttons from Diagonale1Active, while the tool is selected (OUTIL_CHOISI); otherwise
// both fields are shown and everything is disabled.
void ActiverDiagonales(bool outilChoisi);

// Buttons kBoutonDiagonale1 and kBoutonDiagonale2 (attached through the guard): the user
// holds that diagonal. Nothing changes when the panel shows a square or a rectangle, whose
// diagonals are equal; the figure never changes.
void NotifierChoixDiagonale(HostItemRef item, HostDialogNotifierRef notifier);
