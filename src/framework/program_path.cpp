#include "framework/program_path.h"

#include <windows.h>

std::wstring GetProgramPathWide() {
    // Long enough for any path the platform takes; one that filled the buffer
    // was cut and is not the real one.
    std::wstring path(32768, L'\0');
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length > 0 && length < path.size() ? length : 0);
    return path;
}
