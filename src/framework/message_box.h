// The application's message box, and the report of an exception that reached
// a window procedure.
#pragma once

#include <windows.h>

#include <string>

// The program file's name without folder and extension, e.g. "launcher".
std::string GetProgramName();

// The application's message box: titled with the program name, owned by the
// active window of the application (GetSafeOwner).
int AppMessageBox(const std::string& text, UINT type);
// The same for a text the ANSI code page cannot spell.
int AppMessageBoxWide(const wchar_t* text, UINT type);

// Called from inside a catch block of a window procedure's thunk: reports the
// exception being handled through the application's message box, so that none
// crosses the procedure and none passes silently.
void ReportWindowProcException();
