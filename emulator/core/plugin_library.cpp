#include "emulator/core/plugin_library.h"

#include <dlfcn.h>

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

bool PluginLibrary::Load(std::string& error) {
    if (Loaded()) return true;
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* why = dlerror();
        error = "cannot load plug-in " + path_ + ": " + (why ? why : "unknown error");
        return false;
    }
    void* symbol = dlsym(handle_, "PluginMain");
    if (symbol == nullptr) {
        error = "plug-in " + path_ + " has no PluginMain";
        dlclose(handle_);
        handle_ = nullptr;
        return false;
    }
    entry_ = reinterpret_cast<PluginMainProc>(symbol);
    return true;
}

void PluginLibrary::Unload() {
    if (handle_ != nullptr) dlclose(handle_);
    handle_ = nullptr;
    entry_ = nullptr;
}

}  // namespace emulator
