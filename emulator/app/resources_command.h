#pragma once

#include <string>
#include <vector>

// ortaq-host resources PLUGIN [--extract TYPE NUMBER]
int ResourcesCommand(const std::vector<std::string>& args);
