#include "emulator/core/plugin_library.h"

#include <filesystem>

namespace emulator {

namespace {

// An empty path has no absolute form; it stays as it is, and loading it then fails.
std::string Absolute(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) : path_(Absolute(path)) {}

}  // namespace emulator
