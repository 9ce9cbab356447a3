// Turns the dialog manager's handles from the plug-in into its objects; an unknown one is
// recorded as misuse and answered with kHostErrBadHandle by the caller.
#pragma once

#include "emulator/core/host.h"
#include "emulator/core/suites/lookup.h"

namespace emulator {

inline Dialog* FindDialog(Host& host, HostDialogRef handle, const char* function) {
    return Found(host, host.Dialogs().FindDialog(handle), function, "unknown dialog");
}
inline Item* FindItem(Host& host, HostItemRef handle, const char* function) {
    return Found(host, host.Dialogs().FindItem(handle), function, "unknown item");
}
inline List* FindList(Host& host, HostListRef handle, const char* function) {
    return Found(host, host.Dialogs().FindList(handle), function, "unknown list");
}
inline Entry* FindEntry(Host& host, HostEntryRef handle, const char* function) {
    return Found(host, host.Dialogs().FindEntry(handle), function, "unknown entry");
}
inline Drawer* FindDrawer(Host& host, HostDrawerRef handle, const char* function) {
    return Found(host, host.Dialogs().FindDrawer(handle), function, "unknown drawer");
}
inline DialogNotifier* FindNotifier(Host& host, HostDialogNotifierRef handle,
                                    const char* function) {
    return Found(host, host.Dialogs().FindNotifier(handle), function, "unknown notifier");
}
// A tracker lives only during its track procedure.
inline Tracker* FindTracker(Host& host, HostTrackerRef handle, const char* function) {
    return Found(host, host.Dialogs().FindTracker(handle), function, "unknown tracker");
}
inline Icon* FindIcon(Host& host, HostIconRef handle, const char* function) {
    return Found(host, host.Icons().Find(handle), function, "unknown icon");
}

}  // namespace emulator
