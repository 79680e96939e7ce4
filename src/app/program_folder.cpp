#include "app/program_folder.h"

#include "app/system_code_page.h"

#include <io.h>
#include <windows.h>

std::string GetProgramFolder() {
    // A path that filled the buffer was cut: it is not the real folder.
    const std::string program = PlatformPath(
        [](char* buffer, unsigned size) { return ::GetModuleFileNameA(nullptr, buffer, size); });
    return program.empty() ? program : FolderOfFile(program, CurrentLeadBytes());
}

bool FileExists(const std::string& path) {
    return FitsPlatformPath(path) && _access(path.c_str(), 0) == 0;
}
