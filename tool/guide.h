// The creation guide: a guide path over everything that shows the figure being clicked.
// It lives from the first mouse-down of a gesture until the figure is completed.
#pragma once

#include "host/types.h"

// Makes the guide when the document holds none: an open guide path of two segments, both
// at POINT, so that a guide never shows a point nobody clicked.
void PreparerGuide(HostRealPoint point);

// Starts the guide of a new figure over: open, two segments, both at POINT. A guide kept
// from a creation abandoned midway would otherwise show that creation's points.
void RecommencerGuide(HostRealPoint point);

// Writes vertices PREMIER to PREMIER + NOMBRE - 1 of Sommets into the guide's segments of
// the same indexes; a guide shorter than that grows to hold them.
HostErr EcrireGuide(int16_t premier, int16_t nombre);

// Marks the guide closed: the whole figure is written into it.
HostErr FermerGuide();
