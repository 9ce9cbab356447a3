// Files the user keeps between runs: read with the reason when they cannot be, replaced
// so that a crash at any moment leaves either the old file or the new one, never a mix.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace emulator {

// The UTF-8 file name PATH as the system's: on Windows a narrow string would be read in the
// ANSI code page.
std::filesystem::path FilePath(const std::string& path);

// The file PATH leads to: PATH itself, or where its symbolic links end. What replaces or sets
// aside a file goes there, so that a link the user made keeps pointing at the file. Throws
// std::runtime_error when a link cannot be read or the links go round.
std::string FinalTarget(const std::string& path);

// The bytes of the regular file PATH, or nothing when there is no such file. Throws
// std::runtime_error "cannot read PATH (reason)" for anything else at PATH (a folder, a FIFO,
// a device) and for a file that cannot be read; nothing at PATH is changed.
std::optional<std::string> ReadFileIfPresent(const std::string& path);

// What a replacement does with the file PATH held before.
enum class PreviousFile { kKeptAsBackup, kDropped };

// Writes TEXT to a temporary file beside the file PATH leads to, under a name no other writer
// uses, flushes it to disk and renames it over that file, keeping the previous file's
// content as a copy, PATH.bak beside it, if asked (a whole earlier version, written the same
// way). The file keeps its permissions. Throws std::runtime_error naming PATH and the reason
// when it cannot; the file is then as it was.
void ReplaceFile(const std::string& path, std::string_view text,
                 PreviousFile previous = PreviousFile::kKeptAsBackup);

// Renames the file PATH leads to, to that name + SUFFIX, or to PATH + SUFFIX + ".2", ".3"... when
// earlier ones are there, so that nothing set aside before is lost. Answers the new path; throws
// std::runtime_error when the rename fails.
std::string SetAside(const std::string& path, const std::string& suffix);

}  // namespace emulator
