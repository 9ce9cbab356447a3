// Entries of lists: identifier, text, enabled, checked, selected, separator.
#include "emulator/host/suites/catalogue.h"
#include "emulator/host/suites/dialog_lookup.h"
#include "emulator/host/suites/lookup.h"
#include "emulator/host/suites/serve.h"
#include "host/adm.h"

namespace host {
namespace {

constexpr const char* kSuite = kADMEntrySuite;

template <typename Body>
void OnEntry(const char* function, HostEntryRef handle, Body body) {
    Serve(
        kSuite, function, [&] { return Arguments().Add("entry", handle); },
        [&](Host& host) -> HostErr {
            Entry* entry = FindEntry(host, handle, function);
            if (entry == nullptr) return kHostErrBadHandle;
            body(*entry);
            return kHostNoError;
        });
}

template <typename Value, typename Apply>
void Set(const char* function, HostEntryRef handle, Value value, Apply apply) {
    Serve(
        kSuite, function, [&] { return Arguments().Add("entry", handle).Add("value", value); },
        [&](Host& host) -> HostErr {
            Entry* entry = FindEntry(host, handle, function);
            if (entry == nullptr) return kHostErrBadHandle;
            apply(*entry, value);
            return kHostNoError;
        });
}

int32_t HOST_API GetIndex(HostEntryRef entry) {
    int32_t index = -1;
    OnEntry("GetIndex", entry, [&](Entry& found) { index = found.list->IndexOf(&found); });
    return index;
}

void HOST_API SetID(HostEntryRef entry, int32_t id) {
    Set("SetID", entry, id, [](Entry& found, int32_t v) { found.id = v; });
}

int32_t HOST_API GetID(HostEntryRef entry) {
    int32_t id = 0;
    OnEntry("GetID", entry, [&](Entry& found) { id = found.id; });
    return id;
}

void HOST_API SetText(HostEntryRef entry, const char* text) {
    Serve(
        kSuite, "SetText", [&] { return Arguments().Add("entry", entry).Add("text", text); },
        [&](Host& host) -> HostErr {
            Entry* found = FindEntry(host, entry, "SetText");
            if (found == nullptr) return kHostErrBadHandle;
            found->text = text != nullptr ? Cp1252ToUtf8(text) : "";
            return kHostNoError;
        });
}

void HOST_API GetText(HostEntryRef entry, char* buffer, uint32_t size) {
    OnEntry("GetText", entry, [&](Entry& found) { CopyOut(found.text, buffer, size); });
}

void HOST_API Enable(HostEntryRef entry, HostBool32 enable) {
    Set("Enable", entry, enable, [](Entry& found, HostBool32 v) { found.enabled = v != 0; });
}

HostBool32 HOST_API IsEnabled(HostEntryRef entry) {
    HostBool32 enabled = 0;
    OnEntry("IsEnabled", entry, [&](Entry& found) { enabled = found.enabled; });
    return enabled;
}

void HOST_API Check(HostEntryRef entry, HostBool32 check) {
    Set("Check", entry, check, [](Entry& found, HostBool32 v) { found.checked = v != 0; });
}

HostBool32 HOST_API IsChecked(HostEntryRef entry) {
    HostBool32 checked = 0;
    OnEntry("IsChecked", entry, [&](Entry& found) { checked = found.checked; });
    return checked;
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

}  // namespace host
