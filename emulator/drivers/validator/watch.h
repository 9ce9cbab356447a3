// Checks the invariants after every event a host runs, as a user would look at the screen
// after each action, and stops every loop at the first one broken.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "emulator/drivers/validator/invariants.h"

namespace emulator {

class Host;

// What the watch throws out of the event loop: the loop stops at the line that broke it.
class InvariantError : public std::runtime_error {
  public:
    explicit InvariantError(const BrokenInvariant& broken)
        : std::runtime_error("broken: " + broken.Line()) {}
};

class Watch {
  public:
    // PREFERENCEFILE, when not empty, is written and read back each time the plug-in is
    // shut down, as the host keeps its preferences between sessions. The watch looks
    // whenever the host's loop is idle, and changes nothing of the host.
    Watch(Host& host, std::string preferenceFile);

    // The run is over and the host has finished: the last checks.
    void AtTheEnd();
    // The first invariant broken, if any.
    const std::optional<BrokenInvariant>& Broken() const { return broken_; }

  private:
    void Look();
    void Fail(const BrokenInvariant& broken);

    const Host& host_;
    std::string preferenceFile_;
    Invariants invariants_;
    bool wasStarted_ = false;
    std::optional<BrokenInvariant> broken_;
};

}  // namespace emulator
