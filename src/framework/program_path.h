// The running program's own path, read once as wide text so that a folder the
// code page cannot spell is read whole.
#pragma once

#include <string>

// The program file's full path; empty when the platform cannot tell it whole.
std::wstring GetProgramPathWide();
