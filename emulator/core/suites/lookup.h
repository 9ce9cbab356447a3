// Turns handles from the plug-in into the host's objects. An unknown or stale handle is
// recorded as misuse and answered with an error code by the caller, never dereferenced.
// Every finder has the form Object* Find...(Host&, Handle, const char* function), the form
// Resolve (needs.h) takes.
#pragma once

#include <string>

#include "emulator/core/host.h"
#include "emulator/models/document/document.h"
#include "host/ai_art.h"

namespace emulator {

// OBJECT, or null after recording that FUNCTION was given WHAT.
template <typename Object>
Object* Found(Host& host, Object* object, const char* function, const char* what) {
    if (object == nullptr) host.Misuse(std::string(function) + ": " + what);
    return object;
}

inline Art* FindArt(Host& host, HostArtHandle handle, const char* function) {
    return Found(host, host.Drawing().FindArt(handle), function, "art that is not in the document");
}

inline Art* FindPath(Host& host, HostArtHandle handle, const char* function) {
    Art* art = FindArt(host, handle, function);
    if (art == nullptr) return nullptr;
    return Found(host, art->type == kHostPathArt ? art : nullptr, function,
                 "art that is not a path");
}

inline Layer* FindLayer(Host& host, HostLayerHandle handle, const char* function) {
    return Found(host, host.Drawing().Find(handle), function, "unknown layer");
}

inline View* FindDocumentView(Host& host, HostDocumentViewHandle handle, const char* function) {
    return Found(host, host.Drawing().FindView(handle), function, "unknown document view");
}

inline std::string* FindString(Host& host, HostUnicodeStringRef handle, const char* function) {
    return Found(host, host.Strings().Find(handle), function, "unknown string");
}

inline MenuGroup* FindMenuGroup(Host& host, HostMenuGroupHandle handle, const char* function) {
    return Found(host, host.MenuBar().Find(handle), function, "unknown menu group");
}

// Only the plug-in's own items: the others belong to the host or to other programs.
inline MenuItem* FindOwnMenuItem(Host& host, HostMenuItemHandle handle, const char* function) {
    MenuItem* item = Found(host, host.MenuBar().Find(handle), function, "unknown menu item");
    if (item == nullptr) return nullptr;
    return Found(host, item->owner == host.Plugin().Ref() ? item : nullptr, function,
                 "a menu item the plug-in does not own");
}

// Copies TEXT (UTF-8) into the plug-in's BUFFER as Windows-1252, cut to SIZE.
HostErr CopyOut(const std::string& text, char* buffer, uint32_t size);

}  // namespace emulator
