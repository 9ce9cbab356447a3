// The host's state as JSON: what a user or a test can check after a run.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "emulator/common/json.h"
#include "emulator/core/host.h"

namespace emulator {

// Whether the state lists every message sent to the plug-in ("calls"). A screen shown after
// each event leaves out that log, which only grows.
enum class MessageLog { kListed, kLeftOut };

// The document alone, as the state shows it.
Json DocumentState(const Document& document);

Json HostState(const Host& host, MessageLog messages = MessageLog::kListed);

// States kept along the way (a scenario's snapshots), by name, in order.
using Snapshots = std::vector<std::pair<std::string, Json>>;

// HostState with SNAPSHOTS under "snapshots": what a run leaves.
Json FinalState(const Host& host, const Snapshots& snapshots);

}  // namespace emulator
