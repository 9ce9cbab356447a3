#include "emulator/app/validate_command.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <iostream>

#include "emulator/app/default_paths.h"
#include "emulator/app/exit_codes.h"
#include "emulator/core/host.h"

namespace {

// The plug-in is loaded once here so that a library that cannot load is one line, not a
// failure of every run.
bool PluginLoads(const std::string& path) {
    emulator::Host host(path);
    std::string error;
    if (host.LoadPlugin(error)) return true;
    std::cerr << "ortaq-host: " << error << '\n';
    return false;
}

}  // namespace

CLI::App* AddValidateCommand(CLI::App& app, emulator::ValidationOptions& options) {
    CLI::App* command = app.add_subcommand(
        "validate",
        "plays random runs of user actions against the plug-in, checks the invariants after "
        "every action and shrinks each failing run to a short scenario");
    command->footer(
        "Exit status: 0 no failure; 1 bad command line, a plug-in or folder that cannot be "
        "used, or a run's child process that cannot be started or waited for; 4 a run failed "
        "or hung (its scenario is in the --out folder).");
    command->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    options.plugin = DefaultPluginPath();
    command->add_option("--plugin", options.plugin, "the plug-in library")
        ->type_name("PATH")
        ->capture_default_str();
    command->add_option("--seed", options.seed, "the seed: the same seed plays the same runs")
        ->capture_default_str();
    command->add_option("--runs", options.runs, "how many runs, each on a fresh host")
        ->check(CLI::Range(1, 1000000))
        ->capture_default_str();
    command->add_option("--steps", options.steps, "how many actions each run plays")
        ->check(CLI::Range(1, 1000000))
        ->capture_default_str();
    command->add_option("--out", options.out, "the folder for the failing runs' scenarios")
        ->type_name("DIR")
        ->capture_default_str();
    command
        ->add_option_function<int>(
            "--time-limit",
            [&options](int seconds) { options.timeLimit = std::chrono::seconds(seconds); },
            "how long a run (or a replay while shrinking) may take before it is killed and "
            "reported as a hang")
        ->type_name("SECONDS")
        ->check(CLI::Range(1, 86400))
        ->default_str(std::to_string(
            std::chrono::duration_cast<std::chrono::seconds>(options.timeLimit).count()));
    return command;
}

int ValidateCommand(const emulator::ValidationOptions& options) {
    if (!PluginLoads(options.plugin)) return kExitFailure;
    emulator::ValidationReport report;
    try {
        report = emulator::Validate(options, std::cout);
    } catch (const std::exception& error) {
        std::cerr << "ortaq-host: " << error.what() << '\n';
        return kExitFailure;
    }
    size_t failures = report.findings.size();
    std::cout << "validate: seed " << options.seed << ", " << report.runs << " runs, "
              << report.actions << " actions, " << failures
              << (failures == 1 ? " failure" : " failures")
              << (failures == 0 ? "" : " (scenarios in " + options.out + ")") << '\n';
    return failures == 0 ? kExitOk : kExitRunFailed;
}
