// Turns handles from the plug-in into the host's objects. An unknown or stale handle is
// recorded as misuse and answered with an error code by the caller, never dereferenced.
#pragma once

#include <string>

#include "emulator/core/host.h"
#include "emulator/models/document/document.h"
#include "host/ai_art.h"

namespace emulator {

inline Art* FindArt(Host& host, HostArtHandle handle, const char* function) {
    Art* art = host.Drawing().FindArt(handle);
    if (art == nullptr) host.Misuse(std::string(function) + ": art that is not in the document");
    return art;
}

inline Art* FindPath(Host& host, HostArtHandle handle, const char* function) {
    Art* art = FindArt(host, handle, function);
    if (art != nullptr && art->type != kHostPathArt) {
        host.Misuse(std::string(function) + ": art that is not a path");
        return nullptr;
    }
    return art;
}

inline Layer* FindLayer(Host& host, HostLayerHandle handle, const char* function) {
    Layer* layer = host.Drawing().Find(handle);
    if (layer == nullptr) host.Misuse(std::string(function) + ": unknown layer");
    return layer;
}

inline MenuGroup* FindMenuGroup(Host& host, HostMenuGroupHandle handle, const char* function) {
    MenuGroup* group = host.MenuBar().Find(handle);
    if (group == nullptr) host.Misuse(std::string(function) + ": unknown menu group");
    return group;
}

// Only the plug-in's own items: the others belong to the host or to other programs.
inline MenuItem* FindOwnMenuItem(Host& host, HostMenuItemHandle handle, const char* function) {
    MenuItem* item = host.MenuBar().Find(handle);
    if (item == nullptr) {
        host.Misuse(std::string(function) + ": unknown menu item");
        return nullptr;
    }
    if (item->owner != host.Plugin().Ref()) {
        host.Misuse(std::string(function) + ": a menu item the plug-in does not own");
        return nullptr;
    }
    return item;
}

// Copies TEXT (UTF-8) into the plug-in's BUFFER as Windows-1252, cut to SIZE.
HostErr CopyOut(const std::string& text, char* buffer, uint32_t size);

}  // namespace emulator
