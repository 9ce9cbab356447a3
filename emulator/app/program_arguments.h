#pragma once

#include <string>
#include <vector>

// The words of the command line after the program's name, in UTF-8 (on Windows, read from
// the wide command line: ARGV is in the ANSI code page there).
std::vector<std::string> ProgramArguments(int argc, char** argv);
