// Runs a piece of a validation in a child process, so that a crash or a sanitizer's abort
// in the plug-in is a finding, not the end of the validator.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "emulator/drivers/validator/invariants.h"

namespace emulator {

// Runs WORK in a child process and answers what it found; a child that crashes or exits
// any other way is found broken as "crash". RESULTFILE carries the child's answer back.
// Where the platform cannot fork (Windows), WORK runs in this process: a crash there ends
// the validator.
std::optional<BrokenInvariant> RunIsolated(
    const std::function<std::optional<BrokenInvariant>()>& work, const std::string& resultFile);

}  // namespace emulator
