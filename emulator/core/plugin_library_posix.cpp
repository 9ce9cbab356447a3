// The plug-in's code through the dynamic loader. Its GetAsyncKeyState and Beep find the
// host's functions by name (the shim the library is built with).
#include <dlfcn.h>

#include "emulator/core/plugin_library.h"

namespace emulator {

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
