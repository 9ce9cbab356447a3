// The Windows functions the plug-in calls outside the suites. On Linux every program that
// hosts it exports them and the plug-in's shim finds them by name; on Windows the plug-in's
// imports of the system's functions are pointed at them when it is loaded.
#include "emulator/core/windows_platform.h"

#include <cstdio>

#include "emulator/common/console.h"
#include "emulator/core/host.h"

extern "C" {

short HostGetAsyncKeyState(int vKey) {
    emulator::Host* host = emulator::Host::Serving();
    if (host == nullptr) return 0;
    auto key = emulator::Keyboard::FromVirtualKey(vKey);
    // Windows sets the most significant bit for a key that is down.
    return key && host->Input().Keys().IsDown(*key) ? static_cast<short>(0x8000) : 0;
}

// The emulator has no loudspeaker of its own: the beep is kept for the state, and rings
// the terminal's bell when someone is watching one.
int HostBeep(uint32_t frequency, uint32_t duration) {
    emulator::Host* host = emulator::Host::Serving();
    if (host == nullptr) return 0;
    host->App().Beep({frequency, duration});
    if (emulator::StandardErrorIsTerminal()) std::fputc('\a', stderr);
    return 1;
}

}  // extern "C"
