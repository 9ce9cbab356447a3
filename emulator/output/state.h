// The host's state as JSON: what a user or a test can check after a run.
#pragma once

#include "emulator/common/json.h"
#include "emulator/core/host.h"

namespace emulator {

Json HostState(const Host& host);

}  // namespace emulator
