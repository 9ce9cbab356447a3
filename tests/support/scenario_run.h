// Plays a scenario through the real plug-in library in this process and returns the
// host's JSON state, as `ortaq-host play --json` would write it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "emulator/host/host.h"
#include "emulator/host/json.h"

// PREPARE runs on the host before the scenario starts (to add a trace listener, say).
// NOTICES, when given, receives what the run said without stopping.
host::Json PlayScenario(const std::string& scenario,
                        const std::function<void(host::Host&)>& prepare = {},
                        std::vector<std::string>* notices = nullptr);

// The calls made to the plug-in with CALLER and SELECTOR, from a state's "calls".
std::vector<host::Json> CallsTo(const host::Json& state, const std::string& caller,
                                const std::string& selector);
