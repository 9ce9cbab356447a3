// ortaq-host: the emulated host application.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <string>

#include "emulator/app/actions_command.h"
#include "emulator/app/exit_codes.h"
#include "emulator/app/play_command.h"
#include "emulator/app/program_arguments.h"
#include "emulator/app/resources_command.h"
#include "emulator/app/validate_command.h"
#include "emulator/common/console.h"
#include "emulator/common/terminal_text.h"
#ifdef ORTAQ_SERVE
#include "emulator/app/serve_command.h"
#endif

int main(int argc, char** argv) {
    // Messages echo input (action lines, file names): a terminal must not obey what they hold.
    emulator::EscapedStandardError escapedErrors;
    // A resource written out must come out as stored, and a listing read alike on any system.
    emulator::UseBinaryStandardOutput();
    CLI::App app(
        "The emulated host application: loads a plug-in library and plays scenarios, or serves a "
        "page to use it in a web browser.",
        "ortaq-host");
    app.require_subcommand(1);
    // Options are "--name" on every system: CLI11 built for Windows would otherwise read a path
    // from the root ("/tmp/demo.scn", as Wine passes them) as an option "/tmp".
    app.allow_windows_style_options(false);
    app.failure_message([](const CLI::App*, const CLI::Error& error) {
        return "ortaq-host: " + std::string(error.what()) +
               "\nRun with --help for more information.\n";
    });
    PlayOptions play;
    ResourcesOptions resources;
    emulator::ValidationOptions validation;
    CLI::App* playCommand = AddPlayCommand(app, play);
    CLI::App* resourcesCommand = AddResourcesCommand(app, resources);
    CLI::App* actionsCommand = AddActionsCommand(app);
    CLI::App* validateCommand = AddValidateCommand(app, validation);
#ifdef ORTAQ_SERVE
    // The web server is the Linux build's only: Debian's cpp-httplib has no Windows build.
    ServeOptions serve;
    CLI::App* serveCommand = AddServeCommand(app, serve);
#endif
    try {
        std::vector<std::string> arguments = ProgramArguments(argc, argv);
        std::reverse(arguments.begin(), arguments.end());  // CLI11 takes the last one first
        app.parse(arguments);
    } catch (const CLI::ParseError& error) {
        // --help is answered here too, with status 0.
        return app.exit(error) == 0 ? kExitOk : kExitFailure;
    }
    try {
        if (playCommand->parsed()) return PlayCommand(play);
        if (resourcesCommand->parsed()) return ResourcesCommand(resources);
        if (actionsCommand->parsed()) return ActionsCommand();
        if (validateCommand->parsed()) return ValidateCommand(validation);
#ifdef ORTAQ_SERVE
        if (serveCommand->parsed()) return ServeCommand(serve);
#endif
    } catch (const std::exception& error) {
        std::cerr << "ortaq-host: " << error.what() << '\n';
    }
    return kExitFailure;
}
