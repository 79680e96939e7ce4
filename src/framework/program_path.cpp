#include "framework/program_path.h"

WidePath GetProgramPathWide() {
    return PlatformWidePath(
        [](wchar_t* buffer, unsigned size) { return ::GetModuleFileNameW(nullptr, buffer, size); });
}
