// The plug-in's code through the Windows loader. The DLL calls the system's GetAsyncKeyState
// and Beep through its import table; once loaded, those two entries are pointed at the
// emulator's functions, so that the scenario decides which keys are held and the beeps are
// recorded, as on Linux.
#include <windows.h>

#include "emulator/common/windows_text.h"
#include "emulator/core/import_table.h"
#include "emulator/core/plugin_library.h"
#include "emulator/core/windows_platform.h"

namespace emulator {
namespace {

// Declared as the system declares them, so that the plug-in's calls arrive with the calling
// convention they were compiled for.
SHORT WINAPI EmulatedGetAsyncKeyState(int key) {
    return HostGetAsyncKeyState(key);
}

BOOL WINAPI EmulatedBeep(DWORD frequency, DWORD duration) {
    return HostBeep(frequency, duration);
}

}  // namespace

bool PluginLibrary::Load(std::string& error) {
    if (Loaded()) return true;
    HMODULE module = LoadLibraryW(WideText(path_).c_str());
    if (module == nullptr) {
        error = "cannot load plug-in " + path_ + ": " + SystemMessage(GetLastError());
        return false;
    }
    FARPROC symbol = GetProcAddress(module, "PluginMain");
    if (symbol == nullptr) {
        error = "plug-in " + path_ + " has no PluginMain";
        FreeLibrary(module);
        return false;
    }
    // A plug-in that never calls one of them has no entry to redirect.
    RedirectImport(module, "user32.dll", "GetAsyncKeyState",
                   reinterpret_cast<void*>(&EmulatedGetAsyncKeyState));
    RedirectImport(module, "kernel32.dll", "Beep", reinterpret_cast<void*>(&EmulatedBeep));
    handle_ = module;
    entry_ = reinterpret_cast<PluginMainProc>(reinterpret_cast<void*>(symbol));
    return true;
}

void PluginLibrary::Unload() {
    if (handle_ != nullptr) FreeLibrary(static_cast<HMODULE>(handle_));
    handle_ = nullptr;
    entry_ = nullptr;
}

}  // namespace emulator
