#include "framework/program_path.h"

#include <windows.h>

std::string GetProgramPath() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    // A path that filled the buffer was cut: it is not the real one.
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}
