#include "framework/program_path.h"

WidePath GetProgramPathWide() {
    // A path that filled the buffer was cut: it is not the real one.
    WidePath path{};
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), path.size());
    if (length == 0 || length >= path.size())
        path[0] = L'\0';
    return path;
}
