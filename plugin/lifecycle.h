// Start-up, shut-down, unload and reload of the plug-in.
#pragma once

#include "host/messages.h"

// Allocates and clears the state record, then adds the menus, reads the preferences and
// adds the notifiers.
HostErr Demarrage(SPInterfaceMessage* message);

// Destroys the panel and frees the state record.
HostErr Arret(SPInterfaceMessage* message);

// Parks the state record's address in the message's globals slot.
HostErr Dechargement(SPAccessMessage* message);

// Takes the state record back from the globals slot; no suite is held afterwards.
HostErr Rechargement(SPAccessMessage* message);
