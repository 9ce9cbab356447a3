// The plug-in's access reference: holding it keeps the plug-in's code loaded.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/serve.h"
#include "host/sp_suites.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kSPAccessSuite;

HostErr HOST_API GetPluginAccess(HostPluginRef plugin, HostAccessRef* access) {
    return Serve(
        kSuite, "GetPluginAccess", [] { return Arguments(); },
        [&](Host& host) -> HostErr {
            if (access == nullptr) return kHostErrBadParameter;
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
