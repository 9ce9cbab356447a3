// What kind of notification an item's procedure received.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/serve.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMNotifierSuite;

HostBool32 HOST_API IsNotifierType(HostDialogNotifierRef notifier, const char* type) {
    return ServeAnswer(
        kSuite, "IsNotifierType", HostBool32{0},
        [&] { return Arguments().Add("notifier", notifier).Add("type", type); },
        [&](Host& host, HostBool32& same) -> HostErr {
            const DialogNotifier* found =
                Found(host, host.Dialogs().FindNotifier(notifier), "IsNotifierType", "notifier");
            if (found == nullptr) return kHostErrBadHandle;
            same = type != nullptr && found->type == type;
            return kHostNoError;
        });
}

const ADMNotifierSuite2 gTable = {.IsNotifierType = IsNotifierType};

}  // namespace

const void* AdmNotifierSuiteTable() {
    return &gTable;
}

}  // namespace emulator
