#include "emulator/app/actions_command.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <string>

#include "emulator/app/exit_codes.h"
#include "emulator/drivers/scenario/host_actions.h"

namespace {

// TEXT in a table cell, where a bare | would end the cell.
std::string Cell(const std::string& text) {
    std::string cell;
    for (char c : text) cell += c == '|' ? std::string("\\|") : std::string(1, c);
    return cell;
}

}  // namespace

CLI::App* AddActionsCommand(CLI::App& app) {
    return app.add_subcommand("actions",
                              "prints the actions a scenario can use, as a Markdown table");
}

int ActionsCommand() {
    std::cout << "| action | what happens |\n|---|---|\n";
    for (const emulator::Action& action : emulator::HostActions().Actions())
        std::cout << "| `" << Cell(action.Usage()) << "` | " << Cell(action.summary) << " |\n";
    return std::cout ? kExitOk : kExitFailure;
}
