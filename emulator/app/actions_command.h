// ortaq-host actions: the actions a scenario can use, as the Markdown table the
// documentation carries.
#pragma once

namespace CLI {
class App;
}

CLI::App* AddActionsCommand(CLI::App& app);

int ActionsCommand();
