// Where the plug-in's modal dialogs stand on the main screen.
#pragma once

#include "host/types.h"

// A dialog of LARGEUR × HAUTEUR centred across the screen (an arithmetic shift halves the
// room left) and a third of the way down (the division truncates).
HostRect PlaceSurEcran(int32_t largeur, int32_t hauteur);
