#include "framework/program_path.h"

namespace {

// The length of a path's folder: up to its last backslash, slash or colon.
size_t FolderLength(const wchar_t* path) {
    size_t length = 0;
    for (size_t i = 0; path[i]; ++i)
        if (path[i] == L'\\' || path[i] == L'/' || path[i] == L':')
            length = i + 1;
    return length;
}

} // namespace

WidePath GetProgramPathWide() {
    return PlatformWidePath(
        [](wchar_t* buffer, unsigned size) { return ::GetModuleFileNameW(nullptr, buffer, size); });
}

WidePath GetProgramFolderWide() {
    WidePath folder = GetProgramPathWide();
    folder[FolderLength(folder.data())] = L'\0';
    return folder;
}

WidePath GetProgramNameWide() {
    const WidePath path = GetProgramPathWide();
    WidePath name{};
    ::lstrcpyW(name.data(), path.data() + FolderLength(path.data()));
    wchar_t* dot = nullptr;
    for (wchar_t* p = name.data(); *p; ++p)
        if (*p == L'.')
            dot = p;
    if (dot)
        *dot = L'\0';
    return name;
}
