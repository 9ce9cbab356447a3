// A construction's result put into the record and the panel, and the rebuild that a
// length typed in the panel calls for.
#pragma once

#include "geometry/constructions.h"
#include "geometry/figure.h"
#include "host/types.h"

// Puts CONSTRUCTION into the state record (vertices and lengths; a refused triangle
// clears Constructible) and the lengths it refreshed into their fields.
void AppliquerConstruction(const Construction& construction);

// Rebuilds the figure after EDITEE was stored in its field of the state record and
// Constructible set: the construction the kind calls for, on the record's figure and
// drawing scale, applied as above; the panel is redrawn, and the commit EcritTrace writes
// the path. Returns the commit's status.
HostErr Construire(Longueur editee);
