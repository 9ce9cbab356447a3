// Reading and replacing files with the Windows calls: the new file is written through to the
// disk, then ReplaceFileW swaps it in (keeping the previous file as the backup), or
// MoveFileExW with MOVEFILE_WRITE_THROUGH moves it in place.
#include <windows.h>
// <windows.h> names ReplaceFileW ReplaceFile, which would rename this file's ReplaceFile.
#undef ReplaceFile

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "emulator/common/safe_file.h"
#include "emulator/common/windows_text.h"

namespace emulator {
namespace {

[[noreturn]] void Fail(const std::string& what, DWORD error) {
    throw std::runtime_error(what + " (" + SystemMessage(error) + ")");
}

struct CloseHandleOnce {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, CloseHandleOnce>;

FileHandle Open(const std::string& path, DWORD access, DWORD disposition) {
    HANDLE handle = CreateFileW(WideText(path).c_str(), access, FILE_SHARE_READ, nullptr,
                                disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// The steps of a replacement each answer 0 or the error code of their failure.

// Writes TEXT to a new file beside DESTINATION, named after this process and a count so that
// no other writer (another host on the same file) ever opens it, flushed to disk. Answers its
// name in TEMPORARY.
DWORD WriteDurably(const std::string& destination, std::string_view text, std::string& temporary) {
    constexpr DWORD kNamesTried = 100;
    FileHandle file;
    for (DWORD n = 0; file == nullptr; ++n) {
        temporary =
            destination + ".tmp." + std::to_string(GetCurrentProcessId()) + "." + std::to_string(n);
        file = Open(temporary, GENERIC_WRITE, CREATE_NEW);
        if (file == nullptr && (GetLastError() != ERROR_FILE_EXISTS || n == kNamesTried)) {
            DWORD error = GetLastError();
            temporary.clear();  // another writer's, or none
            return error;
        }
    }
    while (!text.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file.get(), text.data(), chunk, &written, nullptr)) return GetLastError();
        text.remove_prefix(written);
    }
    return FlushFileBuffers(file.get()) ? 0 : GetLastError();
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(WideText(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

DWORD MoveInPlace(const std::string& from, const std::string& to) {
    return MoveFileExW(WideText(from).c_str(), WideText(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : GetLastError();
}

// ReplaceFileW keeps the previous file under the backup name, which must be free.
DWORD ReplaceKeepingBackup(const std::string& path, const std::string& temporary) {
    const std::string backup = path + ".bak";
    if (!Exists(path)) return MoveInPlace(temporary, path);
    if (!DeleteFileW(WideText(backup).c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return GetLastError();
    return ReplaceFileW(WideText(path).c_str(), WideText(temporary).c_str(),
                        WideText(backup).c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
               ? 0
               : GetLastError();
}

}  // namespace

std::optional<std::string> ReadFileIfPresent(const std::string& path) {
    DWORD attributes = GetFileAttributesW(WideText(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
        Fail("cannot read " + path, error);
    }
    FileHandle file = Open(path, GENERIC_READ, OPEN_EXISTING);
    if (file == nullptr) Fail("cannot read " + path, GetLastError());
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || GetFileType(file.get()) != FILE_TYPE_DISK)
        throw std::runtime_error("cannot read " + path + " (not a regular file)");
    std::string text;
    char chunk[65536];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file.get(), chunk, sizeof chunk, &count, nullptr))
            Fail("cannot read " + path, GetLastError());
        if (count == 0) return text;
        text.append(chunk, count);
    }
}

void ReplaceFile(const std::string& path, std::string_view text, PreviousFile previous) {
    const std::string target = FinalTarget(path);
    std::string temporary;
    DWORD error = WriteDurably(target, text, temporary);
    if (error == 0)
        error = previous == PreviousFile::kKeptAsBackup ? ReplaceKeepingBackup(target, temporary)
                                                        : MoveInPlace(temporary, target);
    if (error != 0) {
        if (!temporary.empty()) DeleteFileW(WideText(temporary).c_str());
        Fail("cannot write " + path, error);
    }
}

}  // namespace emulator
