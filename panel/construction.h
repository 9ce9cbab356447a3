// A length typed in the panel rebuilds the figure and commits it.
#pragma once

#include "geometry/figure.h"
#include "host/types.h"

// Rebuilds the figure after EDITEE was stored in its field of the state record and
// Constructible set: the construction the kind calls for, on the record's figure and
// drawing scale; the record takes the new vertices and lengths, a refused triangle clears
// Constructible, the refreshed lengths go to their fields, the panel is redrawn, and the
// commit EcritTrace writes the path. Returns the commit's status.
HostErr Construire(Longueur editee);
