// The resources of a Windows DLL, read as the system reads them: the DLL mapped as data and
// its resource directory walked with the resource functions (type, name, language).
#include <windows.h>

#include <memory>
#include <stdexcept>

#include "emulator/common/text_encoding.h"
#include "emulator/common/windows_text.h"
#include "emulator/models/resources/elf_section.h"
#include "emulator/models/resources/resource_file.h"

namespace emulator {
namespace {

// A DLL's image starts with the "MZ" of its DOS header; anything else is read as a .res file.
bool StartsWithDosMagic(std::string_view bytes) {
    return bytes.substr(0, 2) == "MZ";
}

ResourceId IdOf(LPCWSTR id) {
    if (IS_INTRESOURCE(id))
        return ResourceId{static_cast<uint16_t>(reinterpret_cast<ULONG_PTR>(id)), {}};
    std::wstring_view text(id);
    return ResourceId{std::nullopt, Utf16ToUtf8(std::u16string(text.begin(), text.end()))};
}

// What the enumeration found; a failure stops it (nothing is thrown through the system).
struct Walk {
    std::vector<Resource> found;
    std::string error;
};

BOOL CALLBACK OnLanguage(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR walk) {
    HRSRC info = FindResourceExW(module, type, name, language);
    HGLOBAL loaded = info != nullptr ? LoadResource(module, info) : nullptr;
    auto* bytes =
        static_cast<const unsigned char*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    Walk& into = *reinterpret_cast<Walk*>(walk);
    if (bytes == nullptr) {
        into.error = "cannot load a resource: " + SystemMessage(GetLastError());
        return FALSE;
    }
    into.found.push_back(
        {IdOf(type), IdOf(name), language, {bytes, bytes + SizeofResource(module, info)}});
    return TRUE;
}

BOOL CALLBACK OnName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR walk) {
    EnumResourceLanguagesW(module, type, name, OnLanguage, walk);
    return reinterpret_cast<Walk*>(walk)->error.empty();
}

BOOL CALLBACK OnType(HMODULE module, LPWSTR type, LONG_PTR walk) {
    EnumResourceNamesW(module, type, OnName, walk);
    return reinterpret_cast<Walk*>(walk)->error.empty();
}

struct FreeModule {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

}  // namespace

ResourceFile LoadPluginResources(const std::string& path) {
    std::string bytes = ReadWholeFile(path);
    if (!StartsWithDosMagic(bytes)) return ResourceFile::Parse(bytes);
    // As data: no code of the DLL runs, and its resources are those the loader finds.
    std::unique_ptr<std::remove_pointer_t<HMODULE>, FreeModule> module(
        LoadLibraryExW(WideText(path).c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (module == nullptr)
        throw std::runtime_error("cannot read the resources of " + path + ": " +
                                 SystemMessage(GetLastError()));
    Walk walk;
    EnumResourceTypesW(module.get(), OnType, reinterpret_cast<LONG_PTR>(&walk));
    if (!walk.error.empty()) throw std::runtime_error(path + ": " + walk.error);
    if (walk.found.empty()) throw std::runtime_error(path + " carries no resources");
    return ResourceFile::FromResources(std::move(walk.found));
}

}  // namespace emulator
