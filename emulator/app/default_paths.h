#pragma once

#include <string>

// The plug-in built beside the ortaq-host program.
std::string DefaultPluginPath();
