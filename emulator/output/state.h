// The host's state as JSON: what a user or a test can check after a run.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "emulator/common/json.h"
#include "emulator/core/host.h"

namespace emulator {

Json HostState(const Host& host);

// States kept along the way (a scenario's snapshots), by name, in order.
using Snapshots = std::vector<std::pair<std::string, Json>>;

// HostState with SNAPSHOTS under "snapshots": what a run leaves.
Json FinalState(const Host& host, const Snapshots& snapshots);

}  // namespace emulator
