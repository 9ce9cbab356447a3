#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "emulator/common/console.h"

namespace emulator {

bool StandardErrorIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}

// The C runtime opens standard output in text mode, writing "\r\n" for every "\n".
void UseBinaryStandardOutput() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace emulator
