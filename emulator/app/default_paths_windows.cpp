#include <windows.h>

#include <string>

#include "emulator/app/default_paths.h"
#include "emulator/common/text_encoding.h"

std::string DefaultPluginPath() {
    std::wstring self(MAX_PATH, L'\0');
    DWORD length = 0;
    // A longer path fills the buffer exactly; grow it until the path fits.
    while ((length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()))) ==
           self.size())
        self.resize(self.size() * 2);
    if (length == 0) return "ortaq.dll";
    self.resize(self.find_last_of(L"\\/", length) + 1);
    return emulator::Utf16ToUtf8(std::u16string(self.begin(), self.end())) + "ortaq.dll";
}
