// The dialog manager's basic suite: alerts.
#include "emulator/host/suites/catalogue.h"
#include "emulator/host/suites/serve.h"
#include "host/adm.h"

namespace host {
namespace {

constexpr const char* kSuite = kADMBasicSuite;

void HOST_API ErrorAlert(const char* text) {
    Serve(
        kSuite, "ErrorAlert", [&] { return Arguments().Add("text", text); },
        [&](Host& host) -> HostErr {
            if (text == nullptr) return kHostErrBadParameter;
            host.ShowAlert(Cp1252ToUtf8(text));
            return kHostNoError;
        });
}

const ADMBasicSuite11 gTable = {ErrorAlert};

}  // namespace

const void* AdmBasicSuiteTable() {
    return &gTable;
}

}  // namespace host
