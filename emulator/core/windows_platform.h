// The emulator's GetAsyncKeyState and Beep, which the plug-in's calls to the system's reach:
// the keys a driver holds, and beeps recorded for the state.
#pragma once

#include <cstdint>

extern "C" {

// The most significant bit set for a key a driver holds down.
short HostGetAsyncKeyState(int vKey);

// Records the beep; non-zero when a host is running.
int HostBeep(uint32_t frequency, uint32_t duration);
}
