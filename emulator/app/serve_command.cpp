#include "emulator/app/serve_command.h"

#include <pthread.h>
#include <unistd.h>
#include <CLI/CLI.hpp>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <thread>

#include "emulator/app/default_paths.h"
#include "emulator/app/drawing_option.h"
#include "emulator/app/exit_codes.h"
#include "emulator/common/safe_file.h"
#include "emulator/core/host.h"
#include "emulator/drivers/web/page_files.h"
#include "emulator/drivers/web/session.h"
#include "emulator/drivers/web/web_server.h"

namespace {

// The signals that end the session as the page's Quit does: Ctrl-C, and a polite kill.
sigset_t QuitSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

// Waits for a quit signal on a thread of its own (the others block them), then quits the
// session. Ending it, when the page quit first, sends it one of them.
class SignalWatch {
  public:
    explicit SignalWatch(emulator::WebSession& session)
        : thread_([&session, signals = QuitSignals()] {
              int received = 0;
              sigwait(&signals, &received);
              session.Quit();
          }) {}
    ~SignalWatch() {
        pthread_kill(thread_.native_handle(), SIGTERM);
        thread_.join();
    }
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

  private:
    std::thread thread_;
};

// What the host leaves when it quits: the preferences, and the state when asked.
bool WriteFilesAtTheEnd(const ServeOptions& options, const emulator::Host& host,
                        const emulator::WebSession& session) {
    try {
        if (!options.prefs.empty()) host.Preferences().Save(options.prefs);
        if (!options.json.empty())
            emulator::ReplaceFile(options.json, emulator::JsonFileText(session.FinalState()),
                                  emulator::PreviousFile::kDropped);
        return true;
    } catch (const std::runtime_error& error) {
        std::cerr << "ortaq-host: " << error.what() << '\n';
        return false;
    }
}

// Where the drawings the page uploads are kept: they outlive the session, so that the
// scenario it saved opens them again on this machine.
std::filesystem::path DrawingsFolder() {
    return std::filesystem::temp_directory_path() / ("ortaq-host-" + std::to_string(getpid()));
}

// Serves the page until the session quits; the host's loop runs on this thread.
int Serve(const ServeOptions& options, emulator::Host& host, const emulator::PageFiles& page) {
    emulator::WebSession session(host, DrawingsFolder().string());
    emulator::WebServer server(session, page);
    server.Bind(options.port);
    std::cout << "ortaq-host: open " << server.Address()
              << " in a web browser; Ctrl-C or the page's Quit ends the session" << std::endl;
    int status = kExitOk;
    {
        SignalWatch signals(session);
        std::thread listening([&server] { server.Listen(); });
        host.Loop().Run();
        try {
            host.Finish();
        } catch (const std::exception& error) {
            std::cerr << "ortaq-host: as the host quit: " << error.what() << '\n';
            status = kExitFailure;
        }
        server.Stop();
        listening.join();
    }
    if (!WriteFilesAtTheEnd(options, host, session)) status = kExitFailure;
    return status;
}

}  // namespace

CLI::App* AddServeCommand(CLI::App& app, ServeOptions& options) {
    CLI::App* command = app.add_subcommand(
        "serve", "runs the host with its screen in a web browser, on this machine only");
    command->footer(
        "The page's requests are the actions of a scenario (ortaq-host actions); its "
        "\"Enregistrer le scénario\" saves them as a scenario that ortaq-host play replays.");
    command->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    options.plugin = DefaultPluginPath();
    command->add_option("--plugin", options.plugin, "the plug-in library")
        ->type_name("PATH")
        ->capture_default_str();
    command
        ->add_option("--prefs", options.prefs,
                     "the file that keeps the host's preferences between runs (read at the start, "
                     "written when the host quits)")
        ->type_name("PREFS");
    command->add_option("--port", options.port, "the port on 127.0.0.1; 0 takes any free port")
        ->type_name("N")
        ->check(CLI::Range(0, 65535))
        ->capture_default_str();
    command->add_option("--json", options.json, "writes the state when the host quits")
        ->type_name("OUT");
    options.page = DefaultPagePath();
    command->add_option("--page", options.page, "the page's folder")
        ->type_name("DIR")
        ->capture_default_str();
    AddOpenOption(*command, options.open);
    return command;
}

int ServeCommand(const ServeOptions& options) {
    // Before any thread starts, so that every thread but the watch's leaves them be.
    sigset_t signals = QuitSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    emulator::PageFiles page(options.page);
    emulator::Host host(options.plugin);
    if (!options.prefs.empty())
        if (std::optional<std::string> warning = host.LoadPreferences(options.prefs))
            std::cerr << "ortaq-host: " << *warning << '\n';
    std::string error;
    if (!host.LoadPlugin(error)) {
        std::cerr << "ortaq-host: " << error << '\n';
        return kExitFailure;
    }
    if (!OpenDrawingAtStart(host, options.open)) return kExitFailure;
    return Serve(options, host, page);
}
