#include "emulator/app/play_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/app/default_paths.h"
#include "emulator/app/drawing_option.h"
#include "emulator/app/exit_codes.h"
#include "emulator/common/safe_file.h"
#include "emulator/core/host.h"
#include "emulator/drivers/scenario/player.h"
#include "emulator/drivers/validator/watch.h"
#include "emulator/models/resources/elf_section.h"
#include "emulator/output/dialog_svg.h"
#include "emulator/output/view_svg.h"

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
    if (std::optional<std::string> warning = host.LoadPreferences(path))
        std::cerr << "ortaq-host: " << *warning << '\n';
}

bool SavePreferences(const emulator::Host& host, const std::string& path) {
    return Written([&] { host.Preferences().Save(path); });
}

// The panel as the user left it, before the host quits.
bool WritePanelPicture(const emulator::Host& host, const std::string& path) {
    const emulator::Dialog* panel = host.Dialogs().Panel();
    if (panel == nullptr) {
        std::cerr << "ortaq-host: there is no panel to draw in " << path << '\n';
        return false;
    }
    return WriteOutput(path, emulator::DialogSvg(*panel, host.Plugin().Resources()));
}

// The view as the user sees it now.
bool WriteViewPicture(const emulator::Host& host, const std::string& path) {
    return Written([&] {
        emulator::ReplaceFile(path, emulator::ViewSvg(host), emulator::PreviousFile::kDropped);
    });
}

// The picture of the view at the snapshot NAME: NAME.svg beside the final picture OUT.
std::string SnapshotPicturePath(const std::string& out, const std::string& name) {
    return (std::filesystem::path(out).parent_path() / (name + ".svg")).string();
}
// Keeps the picture of the dialog named or titled NAME each time it is drawn, so that the
// last one is what the user last saw of it (a modal dialog is gone once it closes).
class DialogPicture {
  public:
    DialogPicture(emulator::Host& host, const std::string& name)
        : name_(name), svg_(std::make_shared<std::string>()) {
        if (name.empty()) return;
        // The host may still draw after this object is gone: the listener owns what it fills.
        host.Dialogs().AddDrawnListener([name, svg = svg_, &host](const emulator::Dialog& dialog) {
            if (dialog.name == name || dialog.title == name)
                *svg = emulator::DialogSvg(dialog, host.Plugin().Resources());
        });
    }

    bool Write(const std::string& path) const {
        if (svg_->empty()) {
            std::cerr << "ortaq-host: no dialog \"" << name_ << "\" was on screen to draw in "
                      << path << '\n';
            return false;
        }
        return WriteOutput(path, *svg_);
    }

  private:
    std::string name_;
    std::shared_ptr<std::string> svg_;
};

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

// What the user made and sees: the document's paths, the tool in hand, its cursor and
// the beeps heard.
void PrintWorkSummary(const emulator::Host& host) {
    size_t paths = 0, tagged = 0, guides = 0;
    for (const emulator::Art* path : host.Drawing().Paths()) {
        ++paths;
        if (!path->tags.empty()) ++tagged;
        if (path->guide) ++guides;
    }
    std::cout << "  document paths: " << paths << " (" << tagged << " tagged, " << guides
              << " guides)\n"
              << "  current tool: " << host.Tools().Current().name << ", cursor "
              << (host.App().Cursor() ? std::to_string(*host.App().Cursor()) : std::string("none"))
              << ", beeps: " << host.App().Beeps().size() << '\n';
}

// What the panel shows the user as the scenario ends: each shown field, list and text
// within its visible width ("ID: TEXT"), then the texts its own drawing wrote. Empty
// without a panel.
std::vector<std::string> PanelReadings(const emulator::Host& host) {
    std::vector<std::string> readings;
    const emulator::Dialog* panel = host.Dialogs().Panel();
    if (panel == nullptr) return readings;
    int32_t width = panel->bounds.right - panel->bounds.left;
    for (const auto& item : panel->items) {
        bool reads = item->type == kADMSpinEditType || item->type == kADMSliderType ||
                     item->type == kADMPopupListType || item->type == kADMTextStaticType;
        if (reads && item->shown && item->rect.left < width && !item->ShownText().empty())
            readings.push_back(std::to_string(item->id) + ": " + item->ShownText());
    }
    for (const emulator::DrawOp& op : panel->drawing)
        if (!op.text.empty()) readings.push_back("drawn: " + op.text);
    return readings;
}

void PrintPanelReadings(const std::vector<std::string>& readings) {
    if (readings.empty()) return;
    std::string line = "  panel:";
    for (const std::string& reading : readings) {
        if (line.size() + reading.size() > 88) {
            std::cout << line << '\n';
            line = "   ";
        }
        line += " " + reading + (&reading == &readings.back() ? "" : ",");
    }
    std::cout << line << '\n';
}

void PrintSummary(const PlayOptions& options, const emulator::Host& host,
                  const std::vector<std::string>& panelReadings) {
    std::cout << "Played " << options.scenario << " with " << host.Plugin().Path() << " ("
              << host.Plugin().Name() << ")\n"
              << "  messages to the plug-in: " << host.Plugin().Calls().size() << '\n'
              << "  suites acquired " << host.Suites().Acquisitions() << ", released "
              << host.Suites().Releases() << ", held now " << host.Suites().HeldCount() << '\n'
              << "  alerts shown: " << host.AlertsShown().size()
              << ", host errors: " << host.Errors().size() << '\n';
    for (const std::string& alert : host.AlertsShown()) std::cout << "    alert: " << alert << '\n';
    PrintWorkSummary(host);
    PrintPanelReadings(panelReadings);
    if (!options.json.empty()) std::cout << "  state written to " << options.json << '\n';
    if (!options.prefs.empty()) std::cout << "  preferences written to " << options.prefs << '\n';
    if (!options.panelSvg.empty())
        std::cout << "  picture of the panel written to " << options.panelSvg << '\n';
    if (!options.svg.empty())
        std::cout << "  picture of the view written to " << options.svg << '\n';
    if (!options.dialogSvg.second.empty())
        std::cout << "  picture of the dialog \"" << options.dialogSvg.first << "\" written to "
                  << options.dialogSvg.second << '\n';
}

int ReportAbandoned(const emulator::Host& host) {
    for (const auto& window : host.ModalWindows().Abandoned())
        std::cerr << "ortaq-host: the scenario ended while the " << window.kind << " \""
                  << window.title << "\" was open; it was closed\n";
    return host.ModalWindows().Abandoned().empty() ? kExitOk : kExitModalLeftOpen;
}

}  // namespace

CLI::App* AddPlayCommand(CLI::App& app, PlayOptions& options) {
    CLI::App* command = app.add_subcommand("play", "plays a scenario against the plug-in");
    command->footer(
        "Exit status: 0 played; 1 bad command line, or a file that cannot be read or written; 2 a "
        "scenario line that is malformed or cannot be played; 3 the scenario ended while an alert "
        "or modal dialog was open; 4 an invariant broke (with --check).\nThe actions a scenario "
        "can use: ortaq-host actions");
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
    command
        ->add_option("--svg", options.svg,
                     "writes a picture of the view as the user left it (SVG); each snapshot NAME "
                     "writes NAME.svg beside it")
        ->type_name("OUT");
    command
        ->add_option("--dialog-svg", options.dialogSvg,
                     "writes a picture of the dialog with that name or title as the user last "
                     "saw it on screen (SVG)")
        ->type_name("NAME OUT");
    AddOpenOption(*command, options.open);
    command->add_flag("--check", options.check,
                      "checks the validator's invariants after every action and stops at the "
                      "first one broken (exit status 4)");
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
    if (!options.trace.empty() && !host.TraceLog().OpenFile(options.trace)) {
        std::cerr << "ortaq-host: cannot write " << options.trace << '\n';
        return kExitFailure;
    }
    emulator::Player player(host);
    std::optional<emulator::Watch> watch;
    if (options.check) watch.emplace(host, options.prefs);
    DialogPicture dialogPicture(host, options.dialogSvg.first);
    bool pictured = true;
    if (!options.svg.empty())
        player.OnSnapshot([&](const std::string& name) {
            pictured = WriteViewPicture(host, SnapshotPicturePath(options.svg, name)) && pictured;
        });
    std::vector<std::string> panelReadings;  // the panel is gone once the host quit
    try {
        player.Load(options.scenario, text);
        if (!options.prefs.empty()) LoadPreferences(host, options.prefs);
        std::string error;
        if (!host.LoadPlugin(error)) {
            std::cerr << "ortaq-host: " << error << '\n';
            return kExitFailure;
        }
        if (!OpenDrawingAtStart(host, options.open)) return kExitFailure;
        player.Play([&] {
            panelReadings = PanelReadings(host);
            if (!options.panelSvg.empty())
                pictured = WritePanelPicture(host, options.panelSvg) && pictured;
            if (!options.svg.empty()) pictured = WriteViewPicture(host, options.svg) && pictured;
            if (!options.dialogSvg.second.empty())
                pictured = dialogPicture.Write(options.dialogSvg.second) && pictured;
        });
    } catch (const emulator::ScenarioError& error) {
        std::cerr << error.what() << '\n';
        return watch && watch->Broken() ? kExitRunFailed : kExitBadScenario;
    }
    if (watch) {
        watch->AtTheEnd();
        if (watch->Broken()) {
            std::cerr << options.scenario << ": at the end: broken: " << watch->Broken()->Line()
                      << '\n';
            return kExitRunFailed;
        }
    }

    int status = ReportAbandoned(host);
    bool stored = WriteFilesAtTheEnd(options, host, player);
    if (!pictured || !stored) return kExitFailure;
    PrintSummary(options, host, panelReadings);
    return status;
}
