// ortaq-host play: plays a scenario against the plug-in and writes what the run left.
#pragma once

#include <string>

namespace CLI {
class App;
}

struct PlayOptions {
    std::string scenario;
    std::string plugin;
    std::string json;
    std::string trace;
    std::string prefs;  // empty: the preferences live in memory only
    std::string panelSvg;
};

// Adds the command to APP; what the command line gives lands in OPTIONS.
CLI::App* AddPlayCommand(CLI::App& app, PlayOptions& options);

int PlayCommand(const PlayOptions& options);
