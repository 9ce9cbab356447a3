// ortaq-host play: plays a scenario against the plug-in and writes what the run left.
#pragma once

#include <string>
#include <utility>

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
    std::string svg;  // the view; snapshots' pictures go beside it
    // The dialog's name or title, and the file of its picture; empty: none.
    std::pair<std::string, std::string> dialogSvg;
    std::string open;    // a drawing opened before the scenario plays; empty: none
    bool check = false;  // the validator's invariants after every action
};

// Adds the command to APP; what the command line gives lands in OPTIONS.
CLI::App* AddPlayCommand(CLI::App& app, PlayOptions& options);

int PlayCommand(const PlayOptions& options);
