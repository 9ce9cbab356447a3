// Notifiers: the plug-in asks to hear about notification types.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/serve.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAINotifierSuite;

HostErr HOST_API AddNotifier(HostPluginRef plugin, const char* name, const char* type,
                             HostNotifierHandle* notifier) {
    return Serve(
        kSuite, "AddNotifier", [&] { return Arguments().Add("name", name).Add("type", type); },
        [&](Host& host) -> HostErr {
            if (name == nullptr || type == nullptr || notifier == nullptr)
                return kHostErrBadParameter;
            if (plugin != host.Plugin().Ref()) {
                host.Misuse("AddNotifier with a foreign plug-in reference");
                return kHostErrBadHandle;
            }
            *notifier = host.NotifierList().Add(plugin, name, type);
            return kHostNoError;
        });
}

const AINotifierSuite2 gTable = {.AddNotifier = AddNotifier};

}  // namespace

const void* AiNotifierSuiteTable() {
    return &gTable;
}

}  // namespace emulator
