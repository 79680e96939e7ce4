// The running program's own path, read once as wide text so that a folder the
// code page cannot spell is read whole.
#pragma once

#include <windows.h>

#include <array>

// A path in wide text, ending in its terminator; empty (the terminator first)
// for none. A fixed buffer: std::wstring would link the library's wide string
// code into the program.
using WidePath = std::array<wchar_t, MAX_PATH>;

// The program file's full path; empty when the platform cannot tell it whole.
WidePath GetProgramPathWide();
