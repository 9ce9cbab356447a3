// Each piece of work in a child process: a crash or a hang there is the child's alone.
#include "emulator/drivers/validator/isolation.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace emulator {

namespace {

// The child's exit status when it found an invariant broken (written to the result file).
constexpr int kExitBroken = 3;

[[noreturn]] void FailWithErrno(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

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

[[noreturn]] void RunInChild(const std::function<std::optional<BrokenInvariant>()>& work,
                             const std::string& resultFile) {
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

// A child at work, and the reading end of a pipe whose writing end only the child holds:
// the system closes that end when the child ends, however it ends, which a wait with a time
// limit can watch. A child still there when this goes (an error while waiting) is killed.
class Child {
  public:
    Child(const std::function<std::optional<BrokenInvariant>()>& work,
          const std::string& resultFile) {
        int ends[2];
        if (pipe(ends) != 0) FailWithErrno("cannot start a child process");
        std::cout.flush();
        std::cerr.flush();
        pid_ = fork();
        if (pid_ < 0) {
            int error = errno;
            close(ends[0]);
            close(ends[1]);
            errno = error;
            FailWithErrno("cannot start a child process");
        }
        if (pid_ == 0) {
            close(ends[0]);
            RunInChild(work, resultFile);
        }
        close(ends[1]);
        ending_ = ends[0];
    }

    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    ~Child() {
        close(ending_);
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
            }
        }
    }

    // Whether the child ended within LIMIT.
    bool EndsWithin(std::chrono::milliseconds limit) const {
        using Clock = std::chrono::steady_clock;
        Clock::time_point deadline = Clock::now() + limit;
        pollfd watch{ending_, POLLIN, 0};
        for (;;) {
            auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            int ready = poll(&watch, 1, static_cast<int>(std::max<int64_t>(left.count(), 0)));
            if (ready > 0) return true;
            if (ready == 0) return false;
            if (errno != EINTR) FailWithErrno("cannot wait for a child process");
        }
    }

    void Kill() const { kill(pid_, SIGKILL); }

    // Waits for the child's end and answers its status.
    int Reap() {
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0)
            if (errno != EINTR) FailWithErrno("cannot wait for a child process");
        pid_ = 0;
        return status;
    }

  private:
    pid_t pid_ = 0;
    int ending_ = -1;
};

std::optional<BrokenInvariant> Outcome(int status, const std::string& resultFile) {
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return std::nullopt;
    if (WIFEXITED(status) && WEXITSTATUS(status) == kExitBroken) return ReadResult(resultFile);
    std::ostringstream detail;
    if (WIFSIGNALED(status))
        detail << "signal " << WTERMSIG(status);
    else
        detail << "exit status " << WEXITSTATUS(status) << " (a sanitizer report?)";
    return BrokenInvariant{"crash", detail.str()};
}

}  // namespace

std::optional<BrokenInvariant> RunIsolated(
    const std::function<std::optional<BrokenInvariant>()>& work, const std::string& resultFile,
    std::chrono::milliseconds limit) {
    Child child(work, resultFile);
    if (child.EndsWithin(limit)) return Outcome(child.Reap(), resultFile);
    child.Kill();
    child.Reap();
    return BrokenInvariant{kHang, HangDetail(limit) + ", killed"};
}

}  // namespace emulator
