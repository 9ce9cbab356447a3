// Plays a scenario through the real plug-in library in this process and returns the
// host's JSON state, as `ortaq-host play --json` would write it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "emulator/common/json.h"
#include "emulator/core/host.h"

// PREPARE runs on the host before the scenario starts (to add a trace listener, say).
// NOTICES, when given, receives what the run said without stopping.
emulator::Json PlayScenario(const std::string& scenario,
                            const std::function<void(emulator::Host&)>& prepare = {},
                            std::vector<std::string>* notices = nullptr);

// The calls made to the plug-in with CALLER and SELECTOR, from a state's "calls".
std::vector<emulator::Json> CallsTo(const emulator::Json& state, const std::string& caller,
                                    const std::string& selector);
