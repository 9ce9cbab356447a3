// The dialog manager's basic suite: alerts.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/needs.h"
#include "host/adm.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kADMBasicSuite;

// Both kinds of alert look the same here: a text and an OK button.
void Alert(const char* function, const char* text) {
    Serve(
        kSuite, function, [&] { return Arguments().Add("text", text); }, Needs(NonNull(text)),
        [&](Host& host) { host.ShowAlert(Cp1252ToUtf8(text)); });
}

void HOST_API ErrorAlert(const char* text) {
    Alert("ErrorAlert", text);
}

void HOST_API MessageAlert(const char* text) {
    Alert("MessageAlert", text);
}

HostErr HOST_API SetPlatformCursor(HostPluginRef plugin, int32_t cursorId) {
    return Serve(
        kSuite, "SetPlatformCursor", [&] { return Arguments().Add("cursorId", cursorId); },
        Needs(OwnPlugin(plugin)),
        [&](Host& host) {
            host.App().SetCursor(cursorId);
            host.App().SetCursorPicture(
                ReadCursor(host.Plugin().Resources(), static_cast<uint16_t>(cursorId)));
        });
}

void HOST_API GetScreenDimensions(HostRect* bounds) {
    Serve(
        kSuite, "GetScreenDimensions", [] { return Arguments(); }, Needs(NonNull(bounds)),
        [&](Host&) { *bounds = DialogManager::kScreen; });
}

const ADMBasicSuite11 gTable = {.ErrorAlert = ErrorAlert,
                                .MessageAlert = MessageAlert,
                                .SetPlatformCursor = SetPlatformCursor,
                                .GetScreenDimensions = GetScreenDimensions};

}  // namespace

const void* AdmBasicSuiteTable() {
    return &gTable;
}

}  // namespace emulator
