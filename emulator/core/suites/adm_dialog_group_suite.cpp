// Docking floating dialogs in groups.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/serve.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMDialogGroupSuite;

HostErr HOST_API SetDialogGroupInfo(HostDialogRef dialog, const char* groupName, int32_t code) {
    return Serve(
        kSuite, "SetDialogGroupInfo",
        [&] { return Arguments().Add("dialog", dialog).Add("group", groupName).Add("code", code); },
        [&](Host& host) -> HostErr {
            Dialog* found = FindDialog(host, dialog, "SetDialogGroupInfo");
            if (found == nullptr) return kHostErrBadHandle;
            if (groupName == nullptr) return kHostErrBadParameter;
            found->dockGroup = Cp1252ToUtf8(groupName);
            found->dockCode = code;
            return kHostNoError;
        });
}

const ADMDialogGroupSuite1 gTable = {.SetDialogGroupInfo = SetDialogGroupInfo};

}  // namespace

const void* AdmDialogGroupSuiteTable() {
    return &gTable;
}

}  // namespace emulator
