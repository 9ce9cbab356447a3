// A construction's result put into the state record and the panel's fields.
#pragma once

#include "geometry/constructions.h"

// Puts CONSTRUCTION into the state record (vertices and lengths; a refused triangle
// clears Constructible) and the lengths it refreshed into their fields.
void AppliquerConstruction(const Construction& construction);
