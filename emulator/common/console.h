// The program's standard streams, which differ between the systems.
#pragma once

namespace emulator {

// Whether standard error is a terminal someone watches (the beeper rings its bell).
bool StandardErrorIsTerminal();

// Standard output carries bytes as they are: a resource written out, or a JSON state, gets
// no line ending translated on its way.
void UseBinaryStandardOutput();

}  // namespace emulator
