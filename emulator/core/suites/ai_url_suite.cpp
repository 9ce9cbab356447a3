// The web browser: the host records the pages it is asked to open.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/needs.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIURLSuite;

HostBool32 HOST_API IsBrowserAvailable() {
    return ServeAnswer(
        kSuite, "IsBrowserAvailable", HostBool32{0}, [] { return Arguments(); },
        [](Host&, HostBool32& available) {
            available = 1;
            return kHostNoError;
        });
}

HostErr HOST_API OpenURL(const char* url) {
    return Serve(
        kSuite, "OpenURL", [&] { return Arguments().Add("url", url); }, Needs(NonNull(url)),
        [&](Host& host) { host.App().OpenPage(Cp1252ToUtf8(url)); });
}

const AIURLSuite1 gTable = {.IsBrowserAvailable = IsBrowserAvailable, .OpenURL = OpenURL};

}  // namespace

const void* AiUrlSuiteTable() {
    return &gTable;
}

}  // namespace emulator
