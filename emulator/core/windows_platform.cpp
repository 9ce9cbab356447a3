// The Windows functions the plug-in calls outside the suites, exported by every program
// that hosts it: the plug-in's shim finds them by name.
#include <unistd.h>

#include <cstdio>

#include "emulator/core/host.h"
#include "host/windows_platform.h"

extern "C" {

__attribute__((visibility("default"))) short HostGetAsyncKeyState(int vKey) {
    emulator::Host* host = emulator::Host::Current();
    if (host == nullptr) return 0;
    auto key = emulator::Keyboard::FromVirtualKey(vKey);
    // Windows sets the most significant bit for a key that is down.
    return key && host->keyboard.IsDown(*key) ? static_cast<short>(0x8000) : 0;
}

// The emulator has no loudspeaker of its own: the beep is kept for the state, and rings
// the terminal's bell when someone is watching one.
__attribute__((visibility("default"))) int HostBeep(uint32_t frequency, uint32_t duration) {
    emulator::Host* host = emulator::Host::Current();
    if (host == nullptr) return 0;
    host->beeps.push_back({frequency, duration});
    if (isatty(STDERR_FILENO) != 0) std::fputc('\a', stderr);
    return 1;
}

}  // extern "C"
