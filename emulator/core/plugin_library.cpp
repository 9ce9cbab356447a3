#include "emulator/core/plugin_library.h"

#include <filesystem>

#include "emulator/common/safe_file.h"

namespace emulator {

namespace {

// An empty path has no absolute form; it stays as it is, and loading it then fails.
std::string Absolute(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(FilePath(path), error);
    std::u8string text = absolute.u8string();
    return error ? path : std::string(text.begin(), text.end());
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) : path_(Absolute(path)) {}

}  // namespace emulator
