// Entries of lists: identifier, text, enabled, checked, selected, separator.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMEntrySuite;

template <typename Value, typename Apply>
void Set(const char* function, HostEntryRef handle, Value value, Apply apply) {
    Serve(
        kSuite, function, [&] { return Arguments().Add("entry", handle).Add("value", value); },
        Needs(Resolve(FindEntry, handle)), [&](Host&, Entry& entry) { apply(entry, value); });
}

// Answers what READ(host, entry) gives of the entry HANDLE designates, NONE for an unknown
// entry.
template <typename Value, typename Read>
Value Get(const char* function, HostEntryRef handle, Value none, Read read) {
    return ServeValue(
        kSuite, function, none, [&] { return Arguments().Add("entry", handle); },
        Needs(Resolve(FindEntry, handle)), read);
}

int32_t HOST_API GetIndex(HostEntryRef entry) {
    return Get("GetIndex", entry, int32_t{-1},
               [](Host&, const Entry& found) { return found.list->IndexOf(&found); });
}

void HOST_API SetID(HostEntryRef entry, int32_t id) {
    Set("SetID", entry, id, [](Entry& found, int32_t v) { found.id = v; });
}

int32_t HOST_API GetID(HostEntryRef entry) {
    return Get("GetID", entry, int32_t{0}, [](Host&, const Entry& found) { return found.id; });
}

void HOST_API SetText(HostEntryRef entry, const char* text) {
    Serve(
        kSuite, "SetText", [&] { return Arguments().Add("entry", entry).Add("text", text); },
        Needs(Resolve(FindEntry, entry)),
        [&](Host&, Entry& found) { found.text = text != nullptr ? Cp1252ToUtf8(text) : ""; });
}

void HOST_API GetText(HostEntryRef entry, char* buffer, uint32_t size) {
    Serve(
        kSuite, "GetText", [&] { return Arguments().Add("entry", entry); },
        Needs(Resolve(FindEntry, entry)),
        [&](Host&, const Entry& found) { return CopyOut(found.text, buffer, size); });
}

void HOST_API Enable(HostEntryRef entry, HostBool32 enable) {
    Set("Enable", entry, enable, [](Entry& found, HostBool32 v) { found.enabled = v != 0; });
}

HostBool32 HOST_API IsEnabled(HostEntryRef entry) {
    return Get("IsEnabled", entry, HostBool32{0},
               [](Host&, const Entry& found) -> HostBool32 { return found.enabled; });
}

void HOST_API Check(HostEntryRef entry, HostBool32 check) {
    Set("Check", entry, check, [](Entry& found, HostBool32 v) { found.checked = v != 0; });
}

HostBool32 HOST_API IsChecked(HostEntryRef entry) {
    return Get("IsChecked", entry, HostBool32{0},
               [](Host&, const Entry& found) -> HostBool32 { return found.checked; });
}

void HOST_API Select(HostEntryRef entry, HostBool32 select) {
    Set("Select", entry, select, [](Entry& found, HostBool32 v) {
        if (v != 0)
            found.list->active = &found;
        else if (found.list->active == &found)
            found.list->active = nullptr;
    });
}

void HOST_API MakeSeparator(HostEntryRef entry, HostBool32 separator) {
    Set("MakeSeparator", entry, separator,
        [](Entry& found, HostBool32 v) { found.separator = v != 0; });
}

const ADMEntrySuite2 gTable = {.GetIndex = GetIndex,
                               .SetID = SetID,
                               .GetID = GetID,
                               .SetText = SetText,
                               .GetText = GetText,
                               .Enable = Enable,
                               .IsEnabled = IsEnabled,
                               .Check = Check,
                               .IsChecked = IsChecked,
                               .Select = Select,
                               .MakeSeparator = MakeSeparator};

}  // namespace

const void* AdmEntrySuiteTable() {
    return &gTable;
}

}  // namespace emulator
