// The host's state as JSON: what a user or a test can check after a run.
#pragma once

#include "emulator/host/host.h"
#include "emulator/host/json.h"

namespace host {

Json HostState(const Host& host);

}  // namespace host
