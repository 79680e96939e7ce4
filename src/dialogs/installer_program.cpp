#include "dialogs/installer_program.h"

#include "app/paths.h"

namespace {

// No trail byte of a double-byte code page is below 0x40, so the separators and
// the colon tested here are always characters of their own.
bool IsRooted(const std::string& path) {
    return !path.empty() &&
           (path[0] == '\\' || path[0] == '/' || (path.size() > 1 && path[1] == ':'));
}

} // namespace

std::string ResolveInstallerProgram(const std::string& program, const std::string& programFolder,
                                    const std::vector<std::string>& systemFolders,
                                    const LeadByteTable& leadBytes,
                                    const std::function<bool(const std::string&)>& isFile) {
    if (program.empty())
        return std::string();
    const std::string folder = FolderOfFile(program, leadBytes);
    const std::string name =
        program.find('.', folder.size()) == std::string::npos ? program + ".exe" : program;
    const auto there = [&isFile](const std::string& path) {
        return FitsPlatformPath(path) && isFile(path);
    };
    if (IsRooted(program))
        return there(name) ? name : std::string();
    std::string path;
    if (!programFolder.empty() && there(path = JoinPath(programFolder, name, leadBytes)))
        return path;
    if (folder.empty())
        for (const std::string& system : systemFolders)
            if (!system.empty() && there(path = JoinPath(system, name, leadBytes)))
                return path;
    return std::string();
}
