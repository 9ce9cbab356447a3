#include "emulator/app/play_command.h"

#include <fstream>
#include <iostream>
#include <optional>

#include "emulator/app/default_paths.h"
#include "emulator/app/exit_codes.h"
#include "emulator/host/dialogs/dialog_svg.h"
#include "emulator/host/host.h"
#include "emulator/host/resources/elf_section.h"
#include "emulator/host/scenario/player.h"

namespace {

struct PlayOptions {
    std::string scenario;
    std::string plugin = DefaultPluginPath();
    std::string json;
    std::string trace;
    std::string prefs;  // empty: the preferences live in memory only
    std::string panelSvg;
};

std::optional<PlayOptions> ParseOptions(const std::vector<std::string>& args) {
    PlayOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        bool ok = true;
        if (arg == "--plugin")
            ok = value(options.plugin);
        else if (arg == "--json")
            ok = value(options.json);
        else if (arg == "--trace")
            ok = value(options.trace);
        else if (arg == "--prefs")
            ok = value(options.prefs);
        else if (arg == "--panel-svg")
            ok = value(options.panelSvg);
        else if (options.scenario.empty() && !arg.starts_with("--"))
            options.scenario = arg;
        else
            ok = false;
        if (!ok) {
            std::cerr << "ortaq-host play: unexpected \"" << arg << "\"\n";
            return std::nullopt;
        }
    }
    if (options.scenario.empty()) {
        std::cerr << "usage: " << kPlayUsage << '\n';
        return std::nullopt;
    }
    return options;
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) std::cerr << "ortaq-host: cannot write " << path << '\n';
    return static_cast<bool>(out);
}

// A file that had to be set aside is told in one line; the run goes on with no preferences.
void LoadPreferences(host::Host& host, const std::string& path) {
    if (std::optional<std::string> warning = host.preferences.Load(path))
        std::cerr << "ortaq-host: " << *warning << '\n';
}

bool SavePreferences(const host::Host& host, const std::string& path) {
    try {
        host.preferences.Save(path);
        return true;
    } catch (const std::runtime_error& error) {
        std::cerr << "ortaq-host: " << error.what() << '\n';
        return false;
    }
}

// The panel as the user left it, before the host quits.
bool WritePanelPicture(const host::Host& host, const std::string& path) {
    const host::Dialog* panel = host.dialogs.Panel();
    if (panel == nullptr) {
        std::cerr << "ortaq-host: there is no panel to draw in " << path << '\n';
        return false;
    }
    return WriteFile(path, host::DialogSvg(*panel, host.plugin.Resources()));
}

void PrintSummary(const PlayOptions& options, const host::Host& host) {
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

int ReportAbandoned(const host::Host& host) {
    for (const auto& window : host.modals.Abandoned())
        std::cerr << "ortaq-host: the scenario ended while the " << window.kind << " \""
                  << window.title << "\" was open; it was closed\n";
    return host.modals.Abandoned().empty() ? kExitOk : kExitModalLeftOpen;
}

}  // namespace

int PlayCommand(const std::vector<std::string>& args) {
    std::optional<PlayOptions> options = ParseOptions(args);
    if (!options) return kExitFailure;

    std::string text;
    try {
        text = host::ReadWholeFile(options->scenario);
    } catch (const std::exception& error) {
        std::cerr << "ortaq-host: " << error.what() << '\n';
        return kExitFailure;
    }

    host::Host host(options->plugin);
    if (!options->trace.empty() && !host.trace.OpenFile(options->trace)) {
        std::cerr << "ortaq-host: cannot write " << options->trace << '\n';
        return kExitFailure;
    }
    host::Player player(host);
    try {
        player.Load(options->scenario, text);
        if (!options->prefs.empty()) LoadPreferences(host, options->prefs);
        std::string error;
        if (!host.LoadPlugin(error)) {
            std::cerr << "ortaq-host: " << error << '\n';
            return kExitFailure;
        }
        bool pictured = true;
        player.Play([&] {
            if (!options->panelSvg.empty()) pictured = WritePanelPicture(host, options->panelSvg);
        });
        if (!pictured) return kExitFailure;
    } catch (const host::ScenarioError& error) {
        std::cerr << error.what() << '\n';
        return kExitBadScenario;
    }

    int status = ReportAbandoned(host);
    // The host quit: what the plug-in stored is kept, even after a window was left open.
    if (!options->prefs.empty() && !SavePreferences(host, options->prefs)) return kExitFailure;
    if (!options->json.empty() && !WriteFile(options->json, host::JsonFileText(player.State())))
        return kExitFailure;
    PrintSummary(*options, host);
    return status;
}
