// The rebuild that a length typed in the panel calls for.
#pragma once

#include "geometry/figure.h"
#include "geometry/formes.h"
#include "host/types.h"

// Rebuilds the figure after EDITEE was stored in its field of the state record: the
// construction the figure's kind FORME calls for, on the record's figure and
// drawing scale, applied to the record and the fields (AppliquerConstruction); the panel is
// redrawn, and the commit EcritTrace writes the path, or shows the refusal and the figure
// as it is. Returns the commit's status.
HostErr Construire(Longueur editee, Forme forme);
