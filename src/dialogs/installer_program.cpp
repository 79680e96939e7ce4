#include "dialogs/installer_program.h"

#include "app/paths.h"

namespace {

// No trail byte of a double-byte code page is below 0x40, so the separators and
// the colon tested here are always characters of their own.
bool IsRooted(const std::string& path) {
    return !path.empty() && (path[0] == '\\' || path[0] == '/' || (path.size() > 1 && path[1] == ':'));
}

} // namespace

std::string ResolveInstallerProgram(const std::string& program, const std::string& programFolder,
                                    const std::vector<std::string>& systemFolders,
                                    const LeadByteTable& leadBytes,
                                    const std::function<bool(const std::string&)>& isFile) {
    if (program.empty())
        return std::string();
    const std::string folder = FolderOfFile(program, leadBytes);
    const bool hasExtension = program.find('.', folder.size()) != std::string::npos;
    const std::string name = hasExtension ? program : program + ".exe";
    std::vector<std::string> candidates;
    if (IsRooted(program)) {
        candidates.push_back(name);
    } else {
        if (!programFolder.empty())
            candidates.push_back(JoinPath(programFolder, name, leadBytes));
        if (folder.empty())
            for (const std::string& system : systemFolders)
                if (!system.empty())
                    candidates.push_back(JoinPath(system, name, leadBytes));
    }
    for (const std::string& candidate : candidates)
        if (FitsPlatformPath(candidate) && isFile(candidate))
            return candidate;
    return std::string();
}
