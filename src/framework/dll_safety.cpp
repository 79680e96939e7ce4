#include "framework/dll_safety.h"

#include <string>

namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32 works only where the system knows it (KB2533623).
bool SystemSearchFlagSupported() {
    using AddDllDirectoryFn = void*(WINAPI*)(PCWSTR);
    return LibraryFunction<AddDllDirectoryFn>(::GetModuleHandleA("kernel32.dll"),
                                              "AddDllDirectory") != nullptr;
}

} // namespace

void RestrictDllSearchToSystemFolder() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto setDefault = LibraryFunction<SetDefaultDllDirectoriesFn>(
        ::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefault)
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Also drop the current folder from the classic search order.
    ::SetDllDirectoryA("");
}

HMODULE LoadSystemLibrary(const char* fileName) {
    if (SystemSearchFlagSupported())
        return ::LoadLibraryExA(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    char folder[MAX_PATH] = {};
    UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    std::string path = std::string(folder) + "\\" + fileName;
    if (path.size() >= MAX_PATH)
        return nullptr;
    return ::LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
