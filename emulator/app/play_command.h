#pragma once

#include <string>
#include <vector>

// ortaq-host play FILE [--plugin PATH] [--json OUT] [--trace OUT]
int PlayCommand(const std::vector<std::string>& args);
