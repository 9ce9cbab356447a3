// The plug-in's code: a dynamic library whose only entry the host resolves is PluginMain.
#pragma once

#include <string>

#include "host/messages.h"

namespace host {

class PluginLibrary {
  public:
    explicit PluginLibrary(std::string path) : path_(std::move(path)) {}
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
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    void* handle_ = nullptr;
    PluginMainProc entry_ = nullptr;
};

}  // namespace host
