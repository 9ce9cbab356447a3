#pragma once

#include <string>

// The plug-in built beside the ortaq-host program.
std::string DefaultPluginPath();
// The page of ortaq-host serve, copied beside the program by the build (Linux only: the
// Windows build has no web server).
std::string DefaultPagePath();
