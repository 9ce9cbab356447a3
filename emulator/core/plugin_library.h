// The plug-in's code: a dynamic library whose only entry the host resolves is PluginMain.
#pragma once

#include <string>

#include "host/messages.h"

namespace emulator {

class PluginLibrary {
  public:
    // PATH is made absolute once: a name without a folder would send dlopen down the
    // loader's search path, while everything else reads the file in the current folder.
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary() { Unload(); }
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // Maps the library and resolves PluginMain. On failure returns false and sets ERROR
    // to one line saying why.
    bool Load(std::string& error);
    // Drops the code; every pointer into it is invalid afterwards.
    void Unload();

    bool Loaded() const { return entry_ != nullptr; }
    PluginMainProc Entry() const { return entry_; }
    const std::string& Path() const { return path_; }  // absolute

  private:
    std::string path_;
    void* handle_ = nullptr;
    PluginMainProc entry_ = nullptr;
};

}  // namespace emulator
