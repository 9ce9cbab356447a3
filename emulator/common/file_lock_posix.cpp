// The lock is flock's on the lock file: the system releases it when the descriptor closes,
// the owner's death included.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "emulator/common/file_lock.h"
#include "emulator/common/safe_file.h"

namespace emulator {
namespace {

constexpr std::chrono::milliseconds kPollEvery{20};

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw std::runtime_error("cannot take " + path + " for this host (" + reason + ")");
}

}  // namespace

FileLock::FileLock(const std::string& path, std::chrono::milliseconds wait) {
    const std::string lockPath = FinalTarget(path) + ".lock";
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) Fail(path, lockPath + ": " + std::strerror(errno));
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        if (error == EINTR) continue;
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            if (error != EWOULDBLOCK) Fail(path, lockPath + ": " + std::strerror(error));
            Fail(path, "another ortaq-host uses it; it was not let go within " +
                           std::to_string(wait.count() / 1000) + " s");
        }
        std::this_thread::sleep_for(kPollEvery);
    }
    handle_ = reinterpret_cast<void*>(static_cast<intptr_t>(fd));
}

FileLock::~FileLock() {
    ::close(static_cast<int>(reinterpret_cast<intptr_t>(handle_)));
}

}  // namespace emulator
