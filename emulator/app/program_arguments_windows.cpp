#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include "emulator/app/program_arguments.h"
#include "emulator/common/text_encoding.h"

std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words != nullptr && i < count; ++i) {
        std::wstring_view word(words[i]);
        arguments.push_back(emulator::Utf16ToUtf8(std::u16string(word.begin(), word.end())));
    }
    LocalFree(words);
    return arguments;
}
