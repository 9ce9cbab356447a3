// Each piece of work in a child process: a crash there is the child's alone.
#include "emulator/drivers/validator/isolation.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace emulator {

namespace {

// The child's exit status when it found an invariant broken (written to the result file).
constexpr int kExitBroken = 3;

void WriteResult(const std::string& path, const BrokenInvariant& broken) {
    std::ofstream(path, std::ios::trunc) << broken.name << '\n' << broken.detail << '\n';
}

BrokenInvariant ReadResult(const std::string& path) {
    std::ifstream in(path);
    BrokenInvariant broken;
    std::getline(in, broken.name);
    std::getline(in, broken.detail);
    return broken;
}

}  // namespace

std::optional<BrokenInvariant> RunIsolated(
    const std::function<std::optional<BrokenInvariant>()>& work, const std::string& resultFile) {
    std::cout.flush();
    std::cerr.flush();
    pid_t child = fork();
    if (child < 0) return work();
    if (child == 0) {
        int status = 0;
        try {
            if (std::optional<BrokenInvariant> broken = work()) {
                WriteResult(resultFile, *broken);
                status = kExitBroken;
            }
        } catch (const std::exception& error) {
            WriteResult(resultFile, {"validator error", error.what()});
            status = kExitBroken;
        }
        std::cout.flush();
        std::cerr.flush();
        // No exit handlers: they belong to the parent.
        _exit(status);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return std::nullopt;
    if (WIFEXITED(status) && WEXITSTATUS(status) == kExitBroken) return ReadResult(resultFile);
    std::ostringstream detail;
    if (WIFSIGNALED(status))
        detail << "signal " << WTERMSIG(status);
    else
        detail << "exit status " << WEXITSTATUS(status) << " (a sanitizer report?)";
    return BrokenInvariant{"crash", detail.str()};
}

}  // namespace emulator
