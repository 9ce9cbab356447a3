// Turns the dialog manager's handles from the plug-in into its objects; an unknown one is
// recorded as misuse and answered with kHostErrBadHandle by the caller.
#pragma once

#include <string>

#include "emulator/core/host.h"

namespace emulator {

template <typename Object>
Object* Found(Host& host, Object* object, const char* function, const char* what) {
    if (object == nullptr) host.Misuse(std::string(function) + ": unknown " + what);
    return object;
}

inline Dialog* FindDialog(Host& host, HostDialogRef handle, const char* function) {
    return Found(host, host.Dialogs().FindDialog(handle), function, "dialog");
}
inline Item* FindItem(Host& host, HostItemRef handle, const char* function) {
    return Found(host, host.Dialogs().FindItem(handle), function, "item");
}
inline List* FindList(Host& host, HostListRef handle, const char* function) {
    return Found(host, host.Dialogs().FindList(handle), function, "list");
}
inline Entry* FindEntry(Host& host, HostEntryRef handle, const char* function) {
    return Found(host, host.Dialogs().FindEntry(handle), function, "entry");
}
inline Drawer* FindDrawer(Host& host, HostDrawerRef handle, const char* function) {
    return Found(host, host.Dialogs().FindDrawer(handle), function, "drawer");
}

}  // namespace emulator
