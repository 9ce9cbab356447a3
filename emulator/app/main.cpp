// ortaq-host: the emulated host application.
#include <CLI/CLI.hpp>
#include <iostream>
#include <string>

#include "emulator/app/actions_command.h"
#include "emulator/app/exit_codes.h"
#include "emulator/app/play_command.h"
#include "emulator/app/resources_command.h"
#include "emulator/app/serve_command.h"

int main(int argc, char** argv) {
    CLI::App app(
        "The emulated host application: loads a plug-in library and plays scenarios, or serves a "
        "page to use it in a web browser.",
        "ortaq-host");
    app.require_subcommand(1);
    app.failure_message([](const CLI::App*, const CLI::Error& error) {
        return "ortaq-host: " + std::string(error.what()) +
               "\nRun with --help for more information.\n";
    });
    PlayOptions play;
    ResourcesOptions resources;
    ServeOptions serve;
    CLI::App* playCommand = AddPlayCommand(app, play);
    CLI::App* resourcesCommand = AddResourcesCommand(app, resources);
    CLI::App* actionsCommand = AddActionsCommand(app);
    CLI::App* serveCommand = AddServeCommand(app, serve);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // --help is answered here too, with status 0.
        return app.exit(error) == 0 ? kExitOk : kExitFailure;
    }
    try {
        if (playCommand->parsed()) return PlayCommand(play);
        if (resourcesCommand->parsed()) return ResourcesCommand(resources);
        if (actionsCommand->parsed()) return ActionsCommand();
        if (serveCommand->parsed()) return ServeCommand(serve);
    } catch (const std::exception& error) {
        std::cerr << "ortaq-host: " << error.what() << '\n';
    }
    return kExitFailure;
}
