// Lists of popups and flyout menus, and their entries.
#include "emulator/host/suites/catalogue.h"
#include "emulator/host/suites/dialog_lookup.h"
#include "emulator/host/suites/lookup.h"
#include "emulator/host/suites/serve.h"
#include "host/adm.h"

namespace host {
namespace {

constexpr const char* kSuite = kADMListSuite;

template <typename Body>
HostErr OnList(const char* function, HostListRef handle, Body body) {
    return Serve(
        kSuite, function, [&] { return Arguments().Add("list", handle); },
        [&](Host& host) -> HostErr {
            List* list = FindList(host, handle, function);
            if (list == nullptr) return kHostErrBadHandle;
            return body(host, *list);
        });
}

HostErr HOST_API SetMenuID(HostListRef list, HostPluginRef plugin, int32_t menuId) {
    return OnList("SetMenuID", list, [&](Host& host, List& found) -> HostErr {
        if (plugin != host.plugin.Ref()) return kHostErrBadHandle;
        return host.dialogs.FillFromMenu(found, menuId) ? kHostNoError : kHostErrNotFound;
    });
}

int32_t HOST_API NumberOfEntries(HostListRef list) {
    int32_t count = 0;
    OnList("NumberOfEntries", list, [&](Host&, List& found) {
        count = static_cast<int32_t>(found.entries.size());
        return kHostNoError;
    });
    return count;
}

HostEntryRef HOST_API IndexEntry(HostListRef list, int32_t index) {
    HostEntryRef entry = nullptr;
    OnList("IndexEntry", list, [&](Host&, List& found) {
        if (index >= 0 && index < static_cast<int32_t>(found.entries.size()))
            entry = HandleTo<HostEntryRef>(found.entries[static_cast<size_t>(index)].get());
        return kHostNoError;
    });
    return entry;
}

HostEntryRef HOST_API FindEntry(HostListRef list, int32_t entryId) {
    HostEntryRef entry = nullptr;
    OnList("FindEntry", list, [&](Host&, List& found) {
        for (const auto& candidate : found.entries)
            if (candidate->id == entryId && !candidate->separator) {
                entry = HandleTo<HostEntryRef>(candidate.get());
                break;
            }
        return kHostNoError;
    });
    return entry;
}

HostEntryRef HOST_API GetActiveEntry(HostListRef list) {
    HostEntryRef entry = nullptr;
    OnList("GetActiveEntry", list, [&](Host&, List& found) {
        entry = HandleTo<HostEntryRef>(found.active);
        return kHostNoError;
    });
    return entry;
}

HostEntryRef HOST_API InsertEntry(HostListRef list, int32_t index) {
    HostEntryRef entry = nullptr;
    OnList("InsertEntry", list, [&](Host& host, List& found) {
        entry = HandleTo<HostEntryRef>(host.dialogs.InsertEntry(found, index));
        return kHostNoError;
    });
    return entry;
}

const ADMListSuite1 gTable = {.SetMenuID = SetMenuID,
                              .NumberOfEntries = NumberOfEntries,
                              .IndexEntry = IndexEntry,
                              .FindEntry = FindEntry,
                              .GetActiveEntry = GetActiveEntry,
                              .InsertEntry = InsertEntry};

}  // namespace

const void* AdmListSuiteTable() {
    return &gTable;
}

}  // namespace host
