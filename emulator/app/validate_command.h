// ortaq-host validate: random, seeded runs of user actions against the plug-in, with the
// invariants checked after every action and each failure shrunk to a scenario.
#pragma once

#include "emulator/drivers/validator/validator.h"

namespace CLI {
class App;
}

// Adds the command to APP; what the command line gives lands in OPTIONS.
CLI::App* AddValidateCommand(CLI::App& app, emulator::ValidationOptions& options);

int ValidateCommand(const emulator::ValidationOptions& options);
