// The About box, shown modally from the host's About command and from the plug-in's item
// in the About menu.
#pragma once

#include "host/types.h"

// Shows the About box under the dialog name NOM from dialog resource RESSOURCE.
void AfficherAPropos(const char* nom, int32_t ressource);
