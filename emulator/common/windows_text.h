// Text to and from the Windows API: file names in UTF-16, the system's reasons for failures.
#pragma once

#include <windows.h>

#include <string>

namespace emulator {

// UTF-8 TEXT as the wide characters the W functions take.
std::wstring WideText(const std::string& text);

// The system's message for the error code ERROR, in UTF-8, without its line break.
std::string SystemMessage(DWORD error);

}  // namespace emulator
