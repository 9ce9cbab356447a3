// Notifiers: the plug-in asks to hear about notification types.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAINotifierSuite;

HostErr HOST_API AddNotifier(HostPluginRef plugin, const char* name, const char* type,
                             HostNotifierHandle* notifier) {
    return Serve(
        kSuite, "AddNotifier", [&] { return Arguments().Add("name", name).Add("type", type); },
        Needs(NonNull(name, type, notifier), OwnPlugin(plugin)),
        [&](Host& host) { *notifier = host.NotifierList().Add(plugin, name, type); });
}

const AINotifierSuite2 gTable = {.AddNotifier = AddNotifier};

}  // namespace

const void* AiNotifierSuiteTable() {
    return &gTable;
}

}  // namespace emulator
