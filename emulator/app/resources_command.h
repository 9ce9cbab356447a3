// ortaq-host resources: lists the plug-in's resources or writes one out.
#pragma once

#include <string>
#include <vector>

namespace CLI {
class App;
}

struct ResourcesOptions {
    std::string plugin;
    std::vector<std::string> extract;  // TYPE and NUMBER, or nothing to list them all
};

// Adds the command to APP; what the command line gives lands in OPTIONS.
CLI::App* AddResourcesCommand(CLI::App& app, ResourcesOptions& options);

int ResourcesCommand(const ResourcesOptions& options);
