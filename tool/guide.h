// The creation guide: a guide path over everything that shows the figure being clicked.
// It lives from the first creation click of a gesture until the figure is completed or the
// gesture abandoned; nothing else makes one.
#pragma once

#include <cstdint>

#include "host/types.h"

// Shows vertices 1 to NOMBRE of Sommets in the guide, closed when FERME (the whole figure).
// The guide is made when the document holds none (another tool may have deleted it); it
// takes exactly NOMBRE segments, so a kind changed mid-gesture leaves nothing of the
// other kind's figure.
HostErr MontrerGuide(int16_t nombre, bool ferme);

// Disposes of the guide, if the document still holds it.
void DetruireGuide();
