#include "emulator/app/play_command.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <iostream>
#include <optional>

#include "emulator/app/default_paths.h"
#include "emulator/app/exit_codes.h"
#include "emulator/common/safe_file.h"
#include "emulator/core/host.h"
#include "emulator/drivers/scenario/player.h"
#include "emulator/models/resources/elf_section.h"
#include "emulator/output/dialog_svg.h"

namespace {

// Runs WRITE; a file it cannot write is told in one line, and the answer is false.
bool Written(const std::function<void()>& write) {
    try {
        write();
        return true;
    } catch (const std::runtime_error& error) {
        std::cerr << "ortaq-host: " << error.what() << '\n';
        return false;
    }
}

// An output replaces the earlier one in one step, so that no reader finds it half written.
// Every run makes it again: the earlier one is not kept.
bool WriteOutput(const std::string& path, const std::string& text) {
    return Written([&] { emulator::ReplaceFile(path, text, emulator::PreviousFile::kDropped); });
}

// A file that had to be set aside is told in one line; the run goes on with no preferences.
void LoadPreferences(emulator::Host& host, const std::string& path) {
    if (std::optional<std::string> warning = host.preferences.Load(path))
        std::cerr << "ortaq-host: " << *warning << '\n';
}

bool SavePreferences(const emulator::Host& host, const std::string& path) {
    return Written([&] { host.preferences.Save(path); });
}

// The panel as the user left it, before the host quits.
bool WritePanelPicture(const emulator::Host& host, const std::string& path) {
    const emulator::Dialog* panel = host.dialogs.Panel();
    if (panel == nullptr) {
        std::cerr << "ortaq-host: there is no panel to draw in " << path << '\n';
        return false;
    }
    return WriteOutput(path, emulator::DialogSvg(*panel, host.plugin.Resources()));
}

// The files written once the host quit: what the plug-in stored is kept, even after a window
// was left open, and a file that cannot be written costs no other. False when one could not
// be written.
bool WriteFilesAtTheEnd(const PlayOptions& options, const emulator::Host& host,
                        const emulator::Player& player) {
    bool written = true;
    if (!options.prefs.empty()) written = SavePreferences(host, options.prefs) && written;
    if (!options.json.empty())
        written = WriteOutput(options.json, emulator::JsonFileText(player.State())) && written;
    return written;
}

void PrintSummary(const PlayOptions& options, const emulator::Host& host) {
    std::cout << "Played " << options.scenario << " with " << host.plugin.Path() << " ("
              << host.plugin.Name() << ")\n"
              << "  messages to the plug-in: " << host.plugin.Calls().size() << '\n'
              << "  suites acquired " << host.suites.Acquisitions() << ", released "
              << host.suites.Releases() << ", held now " << host.suites.HeldCount() << '\n'
              << "  alerts shown: " << host.AlertsShown().size()
              << ", host errors: " << host.Errors().size() << '\n';
    for (const std::string& alert : host.AlertsShown()) std::cout << "    alert: " << alert << '\n';
    if (!options.json.empty()) std::cout << "  state written to " << options.json << '\n';
    if (!options.prefs.empty()) std::cout << "  preferences written to " << options.prefs << '\n';
    if (!options.panelSvg.empty())
        std::cout << "  picture of the panel written to " << options.panelSvg << '\n';
}

int ReportAbandoned(const emulator::Host& host) {
    for (const auto& window : host.modals.Abandoned())
        std::cerr << "ortaq-host: the scenario ended while the " << window.kind << " \""
                  << window.title << "\" was open; it was closed\n";
    return host.modals.Abandoned().empty() ? kExitOk : kExitModalLeftOpen;
}

}  // namespace

CLI::App* AddPlayCommand(CLI::App& app, PlayOptions& options) {
    CLI::App* command = app.add_subcommand("play", "plays a scenario against the plug-in");
    command->footer(
        "Exit status: 0 played; 1 bad command line, or a file that cannot be read or written; 2 a "
        "scenario line that is malformed or cannot be played; 3 the scenario ended while an alert "
        "or modal dialog was open.\nThe actions a scenario can use: ortaq-host actions");
    // An option given twice takes its last value, as a later word overrides an earlier one.
    command->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    command->add_option("FILE", options.scenario, "the scenario to play")->required();
    options.plugin = DefaultPluginPath();
    command->add_option("--plugin", options.plugin, "the plug-in library")
        ->type_name("PATH")
        ->capture_default_str();
    command->add_option("--json", options.json, "writes the final state, with the snapshots")
        ->type_name("OUT");
    command
        ->add_option("--trace", options.trace,
                     "writes one line per host-function call the plug-in makes, and one per "
                     "message sent")
        ->type_name("OUT");
    command
        ->add_option("--prefs", options.prefs,
                     "the file that keeps the host's preferences between runs (read before the "
                     "run, written when the host quits)")
        ->type_name("PREFS");
    command
        ->add_option("--panel-svg", options.panelSvg,
                     "writes a picture of the panel as the user left it (SVG)")
        ->type_name("OUT");
    return command;
}

int PlayCommand(const PlayOptions& options) {
    std::string text;
    try {
        text = emulator::ReadWholeFile(options.scenario);
    } catch (const std::exception& error) {
        std::cerr << "ortaq-host: " << error.what() << '\n';
        return kExitFailure;
    }

    emulator::Host host(options.plugin);
    if (!options.trace.empty() && !host.trace.OpenFile(options.trace)) {
        std::cerr << "ortaq-host: cannot write " << options.trace << '\n';
        return kExitFailure;
    }
    emulator::Player player(host);
    bool pictured = true;
    try {
        player.Load(options.scenario, text);
        if (!options.prefs.empty()) LoadPreferences(host, options.prefs);
        std::string error;
        if (!host.LoadPlugin(error)) {
            std::cerr << "ortaq-host: " << error << '\n';
            return kExitFailure;
        }
        player.Play([&] {
            if (!options.panelSvg.empty()) pictured = WritePanelPicture(host, options.panelSvg);
        });
    } catch (const emulator::ScenarioError& error) {
        std::cerr << error.what() << '\n';
        return kExitBadScenario;
    }

    int status = ReportAbandoned(host);
    bool stored = WriteFilesAtTheEnd(options, host, player);
    if (!pictured || !stored) return kExitFailure;
    PrintSummary(options, host);
    return status;
}
