// The application context the plug-in enters for work outside a message.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIContextSuite;

HostErr HOST_API PushAppContext(HostPluginRef plugin, HostAppContextRef* context) {
    return Serve(
        kSuite, "PushAppContext", [] { return Arguments(); }, Needs(NonNull(context)),
        [&](Host& host) -> HostErr {
            if (plugin != host.Plugin().Ref()) return kHostErrBadHandle;
            // The depth reached is the context's identity, checked when it is left.
            *context = reinterpret_cast<HostAppContextRef>(
                static_cast<intptr_t>(host.App().EnterContext()));
            return kHostNoError;
        });
}

HostErr HOST_API PopAppContext(HostAppContextRef context) {
    return Serve(
        kSuite, "PopAppContext", [] { return Arguments(); },
        [&](Host& host) -> HostErr {
            if (!host.App().LeaveContext(reinterpret_cast<intptr_t>(context))) {
                host.Misuse("PopAppContext of a context that is not the innermost");
                return kHostErrBadParameter;
            }
            return kHostNoError;
        });
}

const AIContextSuite4 gTable = {.PushAppContext = PushAppContext, .PopAppContext = PopAppContext};

}  // namespace

const void* AiContextSuiteTable() {
    return &gTable;
}

}  // namespace emulator
