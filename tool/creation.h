// Creating a quadrilateral by clicking its vertices: the guide that follows the cursor
// between clicks, the clicks themselves, and the release that completes the figure.
#pragma once

#include "host/messages.h"

// The cursor moved: hovering first, then the vertex under the cursor and the guide for
// the creation under way, the panel's fields and the cursor of the state.
HostErr SuiviCurseur(AIToolMessage* message);

// The button went down: an ALT click shows or hides the panel; over a hovered vertex a
// drag begins; otherwise the click places the next vertex.
HostErr SourisEnfoncee(AIToolMessage* message);

// The button went up: the release of the click that completes the kind writes the path.
HostErr SourisRelachee(AIToolMessage* message);
