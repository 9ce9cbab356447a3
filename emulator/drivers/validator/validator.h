// The plug-in validator: random, seeded runs of user actions on fresh hosts, invariants
// checked after every action, and each failing run shrunk to a short scenario.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "emulator/drivers/validator/invariants.h"

namespace emulator {

struct ValidationOptions {
    std::string plugin;
    uint64_t seed = 1;
    int runs = 100;
    int steps = 200;
    std::string out = "validation";  // where reproducers go
    // How long a run or a replay may take before it is killed and found a hang.
    std::chrono::milliseconds timeLimit = std::chrono::seconds(60);
};

struct Finding {
    int run = 0;           // from 1
    uint64_t runSeed = 0;  // the seed of that run alone
    BrokenInvariant broken;
    size_t playedLines = 0;  // lines of the run up to the failure
    std::string scenario;    // the shrunk scenario's file; a hang's lines are not shrunk
    size_t scenarioLines = 0;
};

struct ValidationReport {
    int runs = 0;
    int64_t actions = 0;
    std::vector<Finding> findings;
};

// The seed of run RUN (from 1) of a validation seeded SEED: each run can be played alone.
uint64_t RunSeed(uint64_t seed, int run);

// Plays the runs; each failure is shrunk and written to OPTIONS.out, with one line to
// PROGRESS. The same options give the same runs and findings.
ValidationReport Validate(const ValidationOptions& options, std::ostream& progress);

}  // namespace emulator
