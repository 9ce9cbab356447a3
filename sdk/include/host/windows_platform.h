/*
 * The two Windows functions the plug-in calls besides the host's suites: the state of a
 * key and the loudspeaker's beep. On Windows they are the system's own (the Windows emulator
 * points the DLL's imports of them at its own functions once it has loaded it). Elsewhere the
 * plug-in compiles windows_platform_shim.c, which finds the host's versions at call time
 * (the host exports HostGetAsyncKeyState and HostBeep); without a host that exports them,
 * no key is down and no beep sounds.
 */
#ifndef HOST_WINDOWS_PLATFORM_H
#define HOST_WINDOWS_PLATFORM_H

#if defined(_WIN32)
#include <windows.h>
#else
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Virtual-key codes the host knows. */
#define VK_SHIFT 0x10
#define VK_MENU 0x12 /* ALT */

/* The most significant bit is set while VKEY is held down; 0 for a key that is up or
   unknown. */
short GetAsyncKeyState(int vKey);

/* A tone of FREQUENCY hertz for DURATION milliseconds. Non-zero when it sounded. */
int Beep(uint32_t frequency, uint32_t duration);

/* What the host exports for the two functions above, with the same meaning. */
typedef short (*HostGetAsyncKeyStateProc)(int vKey);
typedef int (*HostBeepProc)(uint32_t frequency, uint32_t duration);
#define kHostGetAsyncKeyStateSymbol "HostGetAsyncKeyState"
#define kHostBeepSymbol "HostBeep"

#ifdef __cplusplus
}
#endif

#endif

#endif
