// Creating a quadrilateral by clicking its vertices: the guide that follows the cursor
// between clicks, the clicks themselves, and the release that completes the figure.
#pragma once

#include "host/messages.h"

// The cursor moved: with no creation under way, the hover test over the tool's figures;
// during a creation, the vertex under the cursor and the guide, the panel's fields and the
// cursor of the state.
HostErr SuiviCurseur(AIToolMessage* message);

// The button went down: an ALT click shows or hides the panel; with no creation under way,
// over a vertex of a tool-made path a drag begins; otherwise the click places the next
// vertex where it is, unless the layer refuses it (an alert, the click not counted).
HostErr SourisEnfoncee(AIToolMessage* message);

// The button went up: the release of the click that completes the kind writes the path.
HostErr SourisRelachee(AIToolMessage* message);

// Ends a creation under way without a figure: its guide and its empty group go, and the
// record and the panel show the current path again. The tool's deselection and the
// plug-in's shut-down leave nothing half-made.
void AbandonnerCreation();

// The kind changed in the panel's menu during a creation: a figure of the new kind is made
// from the clicks at once when they settle it, else the guide shows the clicks made.
void FormeChangee();
