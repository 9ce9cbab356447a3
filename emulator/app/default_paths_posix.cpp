#include "emulator/app/default_paths.h"

#include <filesystem>

namespace {

// NAME in the program's folder, or NAME alone when that cannot be found.
std::string BesideTheProgram(const std::string& name) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return name;
    return (self.parent_path() / name).string();
}

}  // namespace

std::string DefaultPluginPath() {
    return BesideTheProgram("libortaq.so");
}

std::string DefaultPagePath() {
    return BesideTheProgram("page");
}
