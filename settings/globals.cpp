#include "settings/globals.h"

Globals* gGlobals = nullptr;
