// The import table of a loaded Windows module: the slots through which its code calls
// functions of other DLLs.
#pragma once

#include <windows.h>

#include <string_view>

namespace emulator {

// Points MODULE's import of FUNCTION from LIBRARY (a DLL name, in any case) at REPLACEMENT.
// False when MODULE imports no such function by name.
bool RedirectImport(HMODULE module, std::string_view library, std::string_view function,
                    void* replacement);

}  // namespace emulator
