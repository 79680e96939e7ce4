// Keeps DLLs planted beside the program (download folders, removable media) from
// being loaded: only the system folder is searched.
#pragma once

#include <windows.h>

// Restricts the DLL search of the whole process to the system folder.
void RestrictDllSearchToSystemFolder();

// Loads a DLL from the system folder only; null when it is not there.
HMODULE LoadSystemLibrary(const char* fileName);
