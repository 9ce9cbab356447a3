#include "emulator/core/import_table.h"

#include <algorithm>
#include <cctype>

namespace emulator {
namespace {

bool SameDllName(const char* name, std::string_view wanted) {
    std::string_view found(name);
    return std::equal(found.begin(), found.end(), wanted.begin(), wanted.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

// The slots are read-only once the loader has filled them.
bool WriteSlot(ULONG_PTR* slot, void* replacement) {
    DWORD previous = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &previous)) return false;
    *slot = reinterpret_cast<ULONG_PTR>(replacement);
    VirtualProtect(slot, sizeof *slot, previous, &previous);
    return true;
}

// The names of an import descriptor's functions, parallel to its slots.
bool RedirectIn(unsigned char* base, const IMAGE_IMPORT_DESCRIPTOR& imports,
                std::string_view function, void* replacement) {
    // Without the names table (a bound import) the names are gone from the slots.
    if (imports.OriginalFirstThunk == 0) return false;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imports.OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imports.FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
        auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
        if (function == reinterpret_cast<const char*>(byName->Name))
            return WriteSlot(&slots->u1.Function, replacement);
    }
    return false;
}

}  // namespace

bool RedirectImport(HMODULE module, std::string_view library, std::string_view function,
                    void* replacement) {
    auto* base = reinterpret_cast<unsigned char*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.Size == 0) return false;
    auto* imports = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
    bool redirected = false;
    // A library may appear in more than one descriptor.
    for (; imports->Name != 0; ++imports) {
        if (SameDllName(reinterpret_cast<const char*>(base + imports->Name), library))
            redirected = RedirectIn(base, *imports, function, replacement) || redirected;
    }
    return redirected;
}

}  // namespace emulator
