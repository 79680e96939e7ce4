#include "app/program_folder.h"

#include "framework/narrow_text.h"
#include "framework/program_path.h"

#include <io.h>
#include <windows.h>

namespace {

// The path in the ANSI code page when the code page spells every character and
// it fits the platform; else empty.
std::string SpeltInCodePage(const wchar_t* path) {
    std::string spelt = NarrowText(path, CP_ACP, Spelling::Exact);
    return spelt.size() < kMaxPathBytes ? spelt : std::string();
}

} // namespace

std::string AnsiPath(const wchar_t* path) {
    std::string spelt = SpeltInCodePage(path);
    if (!spelt.empty() || !*path)
        return spelt;
    const WidePath shortForm = PlatformWidePath(
        [path](wchar_t* buffer, unsigned size) { return ::GetShortPathNameW(path, buffer, size); });
    return SpeltInCodePage(shortForm.data());
}

std::string GetProgramFolder() {
    return AnsiPath(GetProgramFolderWide().data());
}

bool FileExists(const std::string& path) {
    return FitsPlatformPath(path) && _access(path.c_str(), 0) == 0;
}
