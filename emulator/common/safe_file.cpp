#include "emulator/common/safe_file.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace emulator {

std::filesystem::path FilePath(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string FinalTarget(const std::string& path) {
    // As the system does: a chain of more links than this is taken to go round.
    constexpr int kMostLinks = 40;
    std::filesystem::path current = FilePath(path);
    for (int links = 0; links <= kMostLinks; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) {
            std::u8string text = current.u8string();
            return std::string(text.begin(), text.end());
        }
        std::filesystem::path link = std::filesystem::read_symlink(current, error);
        if (error) throw std::runtime_error("cannot follow " + path + " (" + error.message() + ")");
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    throw std::runtime_error("cannot follow " + path + " (too many levels of symbolic links)");
}

std::string SetAside(const std::string& linked, const std::string& suffix) {
    const std::string path = FinalTarget(linked);
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
