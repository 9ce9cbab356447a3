/*
 * GetAsyncKeyState and Beep for a plug-in built outside Windows. The library links with
 * no undefined symbol, so the host's functions are found by name when called rather than
 * at link time.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stddef.h>

#include "host/windows_platform.h"

short GetAsyncKeyState(int vKey) {
    HostGetAsyncKeyStateProc host =
        (HostGetAsyncKeyStateProc)dlsym(RTLD_DEFAULT, kHostGetAsyncKeyStateSymbol);
    return host != NULL ? host(vKey) : 0;
}

int Beep(uint32_t frequency, uint32_t duration) {
    HostBeepProc host = (HostBeepProc)dlsym(RTLD_DEFAULT, kHostBeepSymbol);
    return host != NULL ? host(frequency, duration) : 0;
}
