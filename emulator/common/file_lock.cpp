#include "emulator/common/file_lock.h"

#include <stdexcept>
#include <thread>

#include "emulator/common/safe_file.h"

namespace emulator {
namespace {

constexpr std::chrono::milliseconds kPollEvery{20};

}  // namespace

FileLock::FileLock(const std::string& path, std::chrono::milliseconds wait) {
    const std::string lockPath = FinalTarget(path) + ".lock";
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::string failure;
    while (!TryLock(lockPath, failure)) {
        if (!failure.empty())
            throw std::runtime_error("cannot take " + path + " for this host (" + lockPath + ": " +
                                     failure + ")");
        if (std::chrono::steady_clock::now() >= deadline)
            throw std::runtime_error("cannot take " + path +
                                     " for this host (another ortaq-host uses it; it was not "
                                     "let go within " +
                                     std::to_string(wait.count() / 1000) + " s)");
        std::this_thread::sleep_for(kPollEvery);
    }
}

FileLock::~FileLock() {
    Release();
}

}  // namespace emulator
