// What must hold of undo and redo: the document goes back to exactly what it was at the
// step undone to, and on to exactly what it was at the step redone; a gesture abandoned
// leaves the document as at the last step.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "emulator/common/json.h"
#include "emulator/drivers/validator/broken_invariant.h"

namespace emulator {

class Host;

class HistoryInvariants {
  public:
    explicit HistoryInvariants(const Host& host) : host_(host) {}

    // Looks at the document after an event during which the driver began ACTIONS.
    std::optional<BrokenInvariant> Check(const std::vector<std::string>& actions);

  private:
    const Host& host_;
    // The document as it was at each step of the history, by the number of steps done
    // before it; unknown where empty.
    std::vector<Json> atStep_;
};

}  // namespace emulator
