// Starting the installer: as a plain process, or through the elevation prompt
// when its program asks to run as administrator.
#pragma once

#include "framework/gdi.h"

#include <windows.h>

#include <string>
#include <vector>

// The platform's error when a program's manifest asks to run as administrator
// (ERROR_ELEVATION_REQUIRED, which the toolchain's headers lack).
constexpr DWORD kErrorElevationRequired = 740;

// The folders a bare program name is looked for in after the launcher's own:
// the system folder, the old system folder, the Windows folder.
std::vector<std::string> InstallerSystemFolders();

// The quoted program of an installer command line as ResolveInstallerProgram
// finds it on this system; empty when it is not there.
std::string FindInstallerProgram(const std::string& program);

// Creates the process of the program FindInstallerProgram finds with the whole
// command line, no inherited handles, the launcher's environment and folder.
// Returns ERROR_SUCCESS with the process handle, ERROR_FILE_NOT_FOUND when the
// program is not found, or the platform's error.
DWORD CreateInstallerProcess(const std::string& commandLine, UniqueHandle& process);

// Starts the program of a quoted command line, found by FindInstallerProgram,
// with the same parameters through the elevation prompt. False when it is not
// found, the user declines or the start fails.
bool StartElevatedInstaller(const std::string& commandLine, HWND owner, UniqueHandle& process);
