// The plug-in's tool in the host's toolbox: adding it at start-up, and what selecting and
// leaving it change.
#pragma once

#include "host/messages.h"

// Adds "Outil Ortaq" beside the Pen tool (OutilsGroupe) or beside the maker's other
// tools, with its icon and rollover icon. A missing icon adds nothing and answers '!ico'.
HostErr AjouterOutil();

// "AI Select": no gesture under way, the kind back to the arbitrary quadrilateral, the
// panel's controls and menu entries enabled.
HostErr SelectionOutil(AIToolMessage* message);

// "AI Deselect": the panel's controls and menu entries disabled.
HostErr DeselectionOutil(AIToolMessage* message);

// "AI Edit Options" (Return with the tool selected).
HostErr OptionsOutil(AIToolMessage* message);
