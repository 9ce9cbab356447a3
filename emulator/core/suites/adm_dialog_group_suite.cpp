// Docking floating dialogs in groups.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMDialogGroupSuite;

HostErr HOST_API SetDialogGroupInfo(HostDialogRef dialog, const char* groupName, int32_t code) {
    return Serve(
        kSuite, "SetDialogGroupInfo",
        [&] { return Arguments().Add("dialog", dialog).Add("group", groupName).Add("code", code); },
        Needs(Resolve(FindDialog, dialog), NonNull(groupName)),
        [&](Host&, Dialog& found) {
            found.dockGroup = Cp1252ToUtf8(groupName);
            found.dockCode = code;
        });
}

const ADMDialogGroupSuite1 gTable = {.SetDialogGroupInfo = SetDialogGroupInfo};

}  // namespace

const void* AdmDialogGroupSuiteTable() {
    return &gTable;
}

}  // namespace emulator
