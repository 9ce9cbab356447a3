// The units popup (kPopupUnites): the unit the panel shows its lengths and area in.
#pragma once

#include "host/types.h"

// The user's choice in the popup (attached through the guard): the six length fields
// show their values, which stay in points, in the chosen unit, and the area is shown in
// its square.
void ChangerUnite(HostItemRef item, HostDialogNotifierRef notifier);
