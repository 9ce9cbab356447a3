// Runs a program the way a user would, capturing what it prints and its exit status.
#pragma once

#include <string>

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

// COMMAND is passed to the shell; its standard output and error are captured.
CommandResult RunCommand(const std::string& command);

// A fresh directory for one test's files.
std::string TemporaryDirectory();

void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);
