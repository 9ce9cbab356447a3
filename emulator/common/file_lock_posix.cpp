// The lock is flock's on the lock file: the system releases it when the descriptor closes,
// the owner's death included.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "emulator/common/file_lock.h"

namespace emulator {

bool FileLock::TryLock(const std::string& lockPath, std::string& failure) {
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        failure = std::strerror(errno);
        return false;
    }
    int result;
    do result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result == 0) {
        handle_ = reinterpret_cast<void*>(static_cast<intptr_t>(fd));
        return true;
    }
    if (errno != EWOULDBLOCK) failure = std::strerror(errno);
    ::close(fd);
    return false;
}

void FileLock::Release() {
    ::close(static_cast<int>(reinterpret_cast<intptr_t>(handle_)));
}

}  // namespace emulator
