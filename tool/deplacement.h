// Reshaping a quadrilateral the tool made by dragging one of its vertices.
#pragma once

#include "host/messages.h"

// While a drag is under way (DeplaceSommet), moves the dragged vertex of TraceCourant to
// the cursor: the record, the three lengths through it and their fields, the position
// fields and the path's one segment; the others stay. Returns CalculerAire's status.
HostErr SourisGlissee(AIToolMessage* message);
