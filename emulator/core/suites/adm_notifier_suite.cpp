// What kind of notification an item's procedure received.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/dialog_lookup.h"
#include "emulator/core/suites/needs.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMNotifierSuite;

HostBool32 HOST_API IsNotifierType(HostDialogNotifierRef notifier, const char* type) {
    return ServeValue(
        kSuite, "IsNotifierType", HostBool32{0},
        [&] { return Arguments().Add("notifier", notifier).Add("type", type); },
        Needs(Resolve(FindNotifier, notifier)),
        [&](Host&, const DialogNotifier& found) -> HostBool32 {
            return type != nullptr && found.type == type;
        });
}

const ADMNotifierSuite2 gTable = {.IsNotifierType = IsNotifierType};

}  // namespace

const void* AdmNotifierSuiteTable() {
    return &gTable;
}

}  // namespace emulator
