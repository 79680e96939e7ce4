// Starting the installer: as a plain process, or through the elevation prompt
// when its program asks to run as administrator.
#pragma once

#include "framework/gdi.h"

#include <windows.h>

#include <string>

// The platform's error when a program's manifest asks to run as administrator
// (ERROR_ELEVATION_REQUIRED, which the toolchain's headers lack).
constexpr DWORD kErrorElevationRequired = 740;

// Creates the process from the whole command line, with no separate program
// name, no inherited handles, the launcher's environment and folder. Returns
// ERROR_SUCCESS with the process handle, or the platform's error.
DWORD CreateInstallerProcess(const std::string& commandLine, UniqueHandle& process);

// Starts the program of a quoted command line with the same parameters through
// the elevation prompt. A relative program is found where process creation
// looks: the launcher's folder, the current folder, the system folders, then
// the search path. False when it is not found, the user declines or the start
// fails.
bool StartElevatedInstaller(const std::string& commandLine, HWND owner, UniqueHandle& process);
