// The inclination's slider and its + and - buttons: each turns the figure about vertex 1
// and commits it. Each is attached through the guard.
#pragma once

#include "host/types.h"

// Every notification of the slider (not only the user's change): the figure turns to the
// slider's angle.
void NotifierCurseurInclinaison(HostItemRef item, HostDialogNotifierRef notifier);

// The tracking of the + and - buttons: a click turns the figure by one degree, or with
// SHIFT to the next multiple of ten; the slider is given the new angle even beyond its
// bounds. Answers the button's own tracking.
HostBool32 SuiviBoutonPlus(HostItemRef item, HostTrackerRef tracker);
HostBool32 SuiviBoutonMoins(HostItemRef item, HostTrackerRef tracker);
