// The running program's own path and the paths the platform writes, read as wide
// text so that a folder the code page cannot spell is read whole.
#pragma once

#include <windows.h>

#include <array>

// A path in wide text, ending in its terminator; empty (the terminator first)
// for none. A fixed buffer: std::wstring would link the library's wide string
// code into the program.
using WidePath = std::array<wchar_t, MAX_PATH>;

// A path the platform writes as wide text into a buffer through
// query(buffer, size), which answers its length; empty when it cannot or when
// the path does not fit (a path that filled the buffer was cut).
template <typename Query> WidePath PlatformWidePath(Query query) {
    WidePath path{};
    const auto length = query(path.data(), static_cast<unsigned>(path.size()));
    if (length == 0 || length >= path.size())
        path[0] = L'\0';
    return path;
}

// The program file's full path; empty when the platform cannot tell it whole.
WidePath GetProgramPathWide();
// Its folder, ending in a backslash; empty when the platform cannot tell it whole.
WidePath GetProgramFolderWide();
// Its file name without the extension, e.g. L"launcher"; empty when the
// platform cannot tell it.
WidePath GetProgramNameWide();
