#pragma once

#include <string>
#include <vector>

// The synopsis shown in usage lines.
inline constexpr const char* kPlayUsage =
    "ortaq-host play FILE [--plugin PATH] [--json OUT] [--trace OUT] [--prefs PREFS] [--panel-svg "
    "OUT]";

int PlayCommand(const std::vector<std::string>& args);
