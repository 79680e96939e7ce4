// The shell's functions the launcher calls, taken from the system folder's
// shell32.dll when first called: imported with the program, it and the
// libraries it needs would load at every start, for a click that may never come.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace shell {

// The two below initialise COM for the calling thread first, as the shell asks.
// As ShellExecuteA; SE_ERR_DLLNOTFOUND when the shell cannot be loaded.
HINSTANCE Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                  const char* folder, int show);
// As ShellExecuteExA; FALSE with ERROR_MOD_NOT_FOUND when the shell cannot be loaded.
BOOL ExecuteEx(SHELLEXECUTEINFOA* info);
// As CommandLineToArgvW (free the result with LocalFree); null when the shell
// cannot be loaded.
LPWSTR* CommandLineToArgv(LPCWSTR commandLine, int* count);

} // namespace shell
