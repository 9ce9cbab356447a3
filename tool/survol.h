// Hovering a vertex of a quadrilateral the tool made: its numbered cursor, and the path
// becoming the current one with its measures in the panel.
#pragma once

#include "host/messages.h"

// Looks under the cursor of MESSAGE for a vertex of a tagged path. When one is found,
// SommetSurvole is set, the path's vertices and lengths fill the record and the panel,
// and the vertex's numbered cursor shows; nothing under the cursor shows the ordinary
// cursor. A path without the tool's tag answers the tag query's error and changes
// nothing else.
HostErr TestSommet(const AIToolMessage* message);
