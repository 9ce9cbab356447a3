// What must hold of the host and the plug-in after every action a user takes, whatever it
// was: the validator's checks, also run by `ortaq-host play --check`.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "emulator/drivers/validator/broken_invariant.h"
#include "emulator/drivers/validator/figure_invariants.h"
#include "emulator/drivers/validator/history_invariants.h"
#include "emulator/drivers/validator/selection_invariants.h"

namespace emulator {

class Host;

class Invariants {
  public:
    explicit Invariants(const Host& host)
        : host_(host), figures_(host), history_(host), selection_(host) {}

    // Looks at the host between two events, knowing the actions the host's journal has
    // recorded since the last look. The first broken invariant, or none.
    std::optional<BrokenInvariant> Check();
    // Once the plug-in has been shut down: it holds no block any more.
    std::optional<BrokenInvariant> CheckAfterShutDown() const;

  private:
    std::optional<BrokenInvariant> CheckSuites();

    const Host& host_;
    FigureInvariants figures_;
    HistoryInvariants history_;
    SelectionInvariants selection_;
    size_t callsChecked_ = 0;
    uint64_t actionsSeen_ = 0;  // where the host's journal ended at the last look
    // What the plug-in holds once its panel took its standing hold; none before.
    std::optional<int64_t> standingHold_;
};

// Writes the host's preferences to PATH as the host does when it quits and reads them back:
// broken when the file does not parse or does not keep every key with its value.
std::optional<BrokenInvariant> CheckPreferenceFile(const Host& host, const std::string& path);

}  // namespace emulator
