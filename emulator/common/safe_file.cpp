#include "emulator/common/safe_file.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace emulator {
namespace {

// A UTF-8 name as the system's: on Windows a narrow string would be read in the ANSI code page.
std::filesystem::path FilePath(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

}  // namespace

std::string SetAside(const std::string& path, const std::string& suffix) {
    std::string target = path + suffix;
    for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(FilePath(target))); ++n)
        target = path + suffix + "." + std::to_string(n);
    std::error_code error;
    std::filesystem::rename(FilePath(path), FilePath(target), error);
    if (error)
        throw std::runtime_error("cannot move " + path + " to " + target + " (" + error.message() +
                                 ")");
    return target;
}

}  // namespace emulator
