// One validation run on a fresh host: random lines played with the watch, or a scenario's
// lines replayed with it.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "emulator/drivers/validator/invariants.h"

namespace emulator {

constexpr const char* kRefusedMark = "# refused ";

// The lines of a random run's LOG that make its scenario: refused lines left out.
std::vector<std::string> ScenarioOfLog(const std::string& log);

struct RunPlace {
    std::string plugin;       // the plug-in library
    std::string preferences;  // the preference file the run starts without and keeps
    std::string drawings;     // the folder of the drawing files it saves, empty at its start
};

// Plays STEPS random lines drawn from SEED, after the set-up lines it draws, writing each
// line to LOG as it is played, and a line kRefusedMark N after the N-th line (from 0) when
// the host would not carry it out. The first invariant broken, if any.
std::optional<BrokenInvariant> PlayRandomRun(const RunPlace& place, uint64_t seed, int steps,
                                             std::ostream& log);

// Plays LINES as a scenario. The first invariant broken, if any; a line that cannot be
// played is not a finding (a shrunk scenario may lose the line another needed).
std::optional<BrokenInvariant> Replay(const RunPlace& place, const std::vector<std::string>& lines);

}  // namespace emulator
