#include "app/program_folder.h"

#include "app/system_code_page.h"
#include "framework/program_path.h"

#include <io.h>
#include <windows.h>

std::string GetProgramFolder() {
    // A path that filled the buffer was cut: it is not the real folder.
    const std::string program = GetProgramPath();
    return program.empty() ? program : FolderOfFile(program, CurrentLeadBytes());
}

bool FileExists(const std::string& path) {
    return FitsPlatformPath(path) && _access(path.c_str(), 0) == 0;
}
