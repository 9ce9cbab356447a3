// Lists of popups and flyout menus, and their entries.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMListSuite;

// Answers what READ(host, list) gives of the list HANDLE designates, NONE for an unknown
// list.
template <typename Value, typename Read>
Value Get(const char* function, HostListRef handle, Value none, Read read) {
    return ServeValue(
        kSuite, function, none, [&] { return Arguments().Add("list", handle); },
        Needs(Resolve(FindList, handle)), read);
}

HostErr HOST_API SetMenuID(HostListRef list, HostPluginRef plugin, int32_t menuId) {
    return Serve(
        kSuite, "SetMenuID", [&] { return Arguments().Add("list", list); },
        Needs(Resolve(FindList, list)),
        [&](Host& host, List& found) -> HostErr {
            if (plugin != host.Plugin().Ref()) return kHostErrBadHandle;
            return host.Dialogs().FillFromMenu(found, menuId) ? kHostNoError : kHostErrNotFound;
        });
}

int32_t HOST_API NumberOfEntries(HostListRef list) {
    return Get("NumberOfEntries", list, int32_t{0},
               [](Host&, List& found) { return static_cast<int32_t>(found.entries.size()); });
}

HostEntryRef HOST_API IndexEntry(HostListRef list, int32_t index) {
    return Get("IndexEntry", list, HostEntryRef{nullptr}, [&](Host& host, List& found) {
        bool inside = index >= 0 && index < static_cast<int32_t>(found.entries.size());
        return host.Dialogs().HandleOf(inside ? found.entries[static_cast<size_t>(index)].get()
                                              : nullptr);
    });
}

HostEntryRef HOST_API FindEntry(HostListRef list, int32_t entryId) {
    return Get("FindEntry", list, HostEntryRef{nullptr}, [&](Host& host, List& found) {
        for (const auto& candidate : found.entries)
            if (candidate->id == entryId && !candidate->separator)
                return host.Dialogs().HandleOf(candidate.get());
        return HostEntryRef{nullptr};
    });
}

HostEntryRef HOST_API GetActiveEntry(HostListRef list) {
    return Get("GetActiveEntry", list, HostEntryRef{nullptr},
               [](Host& host, List& found) { return host.Dialogs().HandleOf(found.active); });
}

HostEntryRef HOST_API InsertEntry(HostListRef list, int32_t index) {
    return Get("InsertEntry", list, HostEntryRef{nullptr}, [&](Host& host, List& found) {
        return host.Dialogs().HandleOf(host.Dialogs().InsertEntry(found, index));
    });
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

}  // namespace emulator
