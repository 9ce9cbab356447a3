// ortaq-host serve: the host with its screen in a web browser, on this machine only.
#pragma once

#include <string>

namespace CLI {
class App;
}

struct ServeOptions {
    std::string plugin;
    std::string prefs;  // empty: the preferences live in memory only
    int port = 8642;    // 0: any free port
    std::string json;   // the state written when the host quits; empty: none
    std::string page;   // the page's folder
    std::string open;   // a drawing opened before the page shows; empty: none
};

// Adds the command to APP; what the command line gives lands in OPTIONS.
CLI::App* AddServeCommand(CLI::App& app, ServeOptions& options);

int ServeCommand(const ServeOptions& options);
