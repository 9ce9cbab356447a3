// Runs a piece of a validation in a child process, so that a crash, a sanitizer's abort or
// a hang in the plug-in is a finding, not the end of the validator.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "emulator/drivers/validator/invariants.h"

namespace emulator {

// What a piece of work still running at its time limit is found broken as.
constexpr const char* kHang = "hang";

// Runs WORK in a child process and answers what it found; a child that crashes or exits
// any other way is found broken as "crash", one still running after LIMIT is killed and
// found broken as kHang. RESULTFILE carries the child's answer back. A child that cannot be
// started or waited for throws std::runtime_error: the validation cannot go on.
// Where the platform cannot fork (Windows), WORK runs on a thread of this process: a crash
// there ends the validator, and a hang throws, since a thread cannot be stopped.
std::optional<BrokenInvariant> RunIsolated(
    const std::function<std::optional<BrokenInvariant>()>& work, const std::string& resultFile,
    std::chrono::milliseconds limit);

// What a hang's finding says of it, for LIMIT.
inline std::string HangDetail(std::chrono::milliseconds limit) {
    bool seconds = limit.count() % 1000 == 0;
    return "still running after " + std::to_string(seconds ? limit.count() / 1000 : limit.count()) +
           (seconds ? " s" : " ms");
}

}  // namespace emulator
