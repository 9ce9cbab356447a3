// The lock is the lock file opened with no sharing: no other process can open it until the
// handle closes, the owner's death included.
#include <windows.h>

#include "emulator/common/file_lock.h"
#include "emulator/common/windows_text.h"

namespace emulator {

bool FileLock::TryLock(const std::string& lockPath, std::string& failure) {
    HANDLE handle = CreateFileW(WideText(lockPath).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        handle_ = handle;
        return true;
    }
    if (DWORD error = GetLastError(); error != ERROR_SHARING_VIOLATION)
        failure = SystemMessage(error);
    return false;
}

void FileLock::Release() {
    CloseHandle(handle_);
}

}  // namespace emulator
