// --open FILE of play and serve: a drawing opened before anything plays.
#pragma once

#include <string>

namespace CLI {
class App;
}

namespace emulator {
class Host;
}

// Adds --open to COMMAND; the file's name lands in FILE.
void AddOpenOption(CLI::App& command, std::string& file);

// Opens FILE in HOST's document, when there is a FILE; false, with the reason on standard
// error, for a file that is not a drawing.
bool OpenDrawingAtStart(emulator::Host& host, const std::string& file);
