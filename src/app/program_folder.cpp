#include "app/program_folder.h"

#include "app/system_code_page.h"

#include <io.h>
#include <windows.h>

std::string GetProgramFolder() {
    char path[kMaxPathBytes] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    // A path that filled the buffer was cut: it is not the real folder.
    if (length == 0 || length >= sizeof path)
        return std::string();
    return FolderOfFile(std::string(path, length), CurrentLeadBytes());
}

bool FileExists(const std::string& path) {
    return FitsPlatformPath(path) && _access(path.c_str(), 0) == 0;
}
