#include <unistd.h>

#include "emulator/common/console.h"

namespace emulator {

bool StandardErrorIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

// POSIX streams never translate line endings.
void UseBinaryStandardOutput() {}

}  // namespace emulator
