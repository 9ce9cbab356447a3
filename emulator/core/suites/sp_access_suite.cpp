// The plug-in's access reference: holding it keeps the plug-in's code loaded.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/needs.h"
#include "host/sp_suites.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kSPAccessSuite;

HostErr HOST_API GetPluginAccess(HostPluginRef plugin, HostAccessRef* access) {
    return Serve(
        kSuite, "GetPluginAccess", [] { return Arguments(); }, Needs(NonNull(access)),
        [&](Host& host) -> HostErr {
            if (plugin != host.Plugin().Ref()) return kHostErrBadHandle;
            host.Plugin().KeepLoaded();
            *access = reinterpret_cast<HostAccessRef>(plugin);
            return kHostNoError;
        });
}

const SPAccessSuite3 gTable = {.GetPluginAccess = GetPluginAccess};

}  // namespace

const void* SpAccessSuiteTable() {
    return &gTable;
}

}  // namespace emulator
