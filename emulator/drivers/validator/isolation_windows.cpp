// Windows cannot fork: the work runs in this process, and a crash there ends the validator.
#include "emulator/drivers/validator/isolation.h"

namespace emulator {

std::optional<BrokenInvariant> RunIsolated(
    const std::function<std::optional<BrokenInvariant>()>& work, const std::string&) {
    return work();
}

}  // namespace emulator
