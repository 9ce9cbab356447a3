// Display units of the panel's lengths: the fields keep points and show them in the unit.
#pragma once

#include "host/types.h"

// Gives a length field the unit and the two steps of the current unit (Unite). A unit
// outside the table leaves the field as it is.
void AppliquerUnite(HostItemRef champ);

// The multiplier from points to the current unit: mm, cm, inch or point.
float FacteurUnite();

// " mm", " cm", " in" or " pt".
const char* SuffixeUnite();
