// One program at a time owns a file it reads at its start and writes when it ends (the
// preference file): a second one would read the file before the first wrote it, and one of
// the two updates would be lost. The lock is held on a file beside it, PATH.lock, which
// stays there empty; the system lets it go when the owner ends, however it ends.
#pragma once

#include <chrono>
#include <string>

namespace emulator {

class FileLock {
  public:
    // Takes the lock of the file PATH leads to, waiting up to WAIT for another owner to let
    // it go. Throws std::runtime_error with the one-line reason when it cannot.
    FileLock(const std::string& path, std::chrono::milliseconds wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

  private:
    // The system's part: opens and locks LOCKPATH, or answers false, with FAILURE empty
    // when another owner holds it and the system's reason otherwise.
    bool TryLock(const std::string& lockPath, std::string& failure);
    void Release();

    void* handle_ = nullptr;  // the system's handle of the open lock file
};

}  // namespace emulator
