#include "emulator/drivers/validator/watch.h"

#include "emulator/core/host.h"

namespace emulator {

Watch::Watch(Host& host, std::string preferenceFile)
    : host_(host), preferenceFile_(std::move(preferenceFile)), invariants_(host) {
    host.Loop().AddIdle([this] { Look(); });
}

void Watch::Fail(const BrokenInvariant& broken) {
    broken_ = broken;
    throw InvariantError(broken);
}

void Watch::Look() {
    if (broken_) return;
    std::optional<BrokenInvariant> broken = invariants_.Check();
    if (broken) Fail(*broken);
    bool shutDown = wasStarted_ && !host_.Started();
    wasStarted_ = host_.Started();
    if (!shutDown) return;
    if ((broken = invariants_.CheckAfterShutDown())) Fail(*broken);
    if (!preferenceFile_.empty())
        if ((broken = CheckPreferenceFile(host_, preferenceFile_))) Fail(*broken);
}

void Watch::AtTheEnd() {
    if (broken_) return;
    // The host quit after the last event: nothing idles after that.
    wasStarted_ = true;
    try {
        Look();
    } catch (const InvariantError&) {
        // Kept in Broken(): no loop is left to stop.
    }
}

}  // namespace emulator
