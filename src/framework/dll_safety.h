// Keeps DLLs planted beside the program (download folders, removable media) from
// being loaded: only the system folder is searched. DLLs beyond the core ones
// are loaded at run time, and their functions found, here.
#pragma once

#include <windows.h>

// Restricts the DLL search of the whole process to the system folder.
void RestrictDllSearchToSystemFolder();

// Loads a DLL from the system folder only; null when it is not there.
HMODULE LoadSystemLibrary(const char* fileName);

// The function a loaded library exports under the name, typed as the caller
// declares it (the platform hands out an untyped address); null when the
// library is missing or does not export it.
template <class Function> Function LibraryFunction(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Function>(
                         reinterpret_cast<void*>(::GetProcAddress(library, name)))
                   : nullptr;
}
