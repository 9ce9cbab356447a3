#include <filesystem>

#include "emulator/app/default_paths.h"

std::string DefaultPluginPath() {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "libortaq.so";
    return (self.parent_path() / "libortaq.so").string();
}
