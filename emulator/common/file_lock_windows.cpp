// The lock is the lock file opened with no sharing: no other process can open it until the
// handle closes, the owner's death included.
#include <windows.h>

#include <stdexcept>
#include <thread>

#include "emulator/common/file_lock.h"
#include "emulator/common/safe_file.h"
#include "emulator/common/windows_text.h"

namespace emulator {
namespace {

constexpr std::chrono::milliseconds kPollEvery{20};

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw std::runtime_error("cannot take " + path + " for this host (" + reason + ")");
}

}  // namespace

FileLock::FileLock(const std::string& path, std::chrono::milliseconds wait) {
    const std::string lockPath = FinalTarget(path) + ".lock";
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        HANDLE handle = CreateFileW(WideText(lockPath).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            handle_ = handle;
            return;
        }
        DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION) Fail(path, lockPath + ": " + SystemMessage(error));
        if (std::chrono::steady_clock::now() >= deadline)
            Fail(path, "another ortaq-host uses it; it was not let go within " +
                           std::to_string(wait.count() / 1000) + " s");
        std::this_thread::sleep_for(kPollEvery);
    }
}

FileLock::~FileLock() {
    CloseHandle(handle_);
}

}  // namespace emulator
