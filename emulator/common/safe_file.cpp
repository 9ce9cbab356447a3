#include "emulator/common/safe_file.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace emulator {

std::filesystem::path FilePath(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

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
