// Routing of every host message to its handler.
#pragma once

#include "host/types.h"

// Runs the handler of CALLER and SELECTOR inside one hold of the host suites, given back
// even when the handler throws.
// Pairs without a handler answer 0; so does every message but start-up while the plug-in
// is not started.
HostErr Distribuer(const char* appelant, const char* selecteur, void* message);
