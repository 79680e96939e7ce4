// setupcheck [FOLDER]: checks an installation folder as the launcher will read
// it, and prints what it finds as a compiler prints its diagnostics. Exit
// status: 0 without errors, 1 with errors, 2 for bad usage. Nothing in the
// folder is changed.
#include "app/program_folder.h"
#include "app/command_line_arguments.h"
#include "framework/dll_safety.h"
#include "framework/file.h"
#include "profile_medium.h"
#include "setup_checks.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kBadUsage = 2;

int Usage(const char* problem) {
    std::fprintf(stderr,
                 "setupcheck: %s\nusage: setupcheck [FOLDER]\n"
                 "Checks the Setup.ini of FOLDER (default: this program's folder) and "
                 "the files it names.\n",
                 problem);
    return kBadUsage;
}

// The folder as a full path, so that Setup.ini is never looked for elsewhere;
// spelt as the launcher spells its own folder.
std::string FullPath(const std::wstring& path) {
    return AnsiPlatformPath([&path](wchar_t* buffer, unsigned size) {
        return ::GetFullPathNameW(path.c_str(), size, buffer, nullptr);
    });
}

int Check(const std::string& folder) {
    const ProfileMedium medium(folder);
    // Targets written relative are tried against the current folder too; the
    // launcher, started from the medium, has the medium there.
    ::SetCurrentDirectoryA(medium.Folder().c_str());
    std::string bytes;
    std::vector<Finding> findings;
    CFile file;
    if (!file.Open(medium.SetupIniPath(), CFile::modeRead | CFile::shareDenyNone) ||
        !file.ReadToEnd(bytes))
        findings.push_back({Severity::kError, 0, "missing or unreadable in " + medium.Folder()});
    else
        findings = CheckSetup(medium, bytes);
    for (const Finding& finding : findings)
        std::printf("%s\n", FormatFinding(finding).c_str());
    std::printf("%s\n", FormatSummary(findings).c_str());
    return ExitStatusOf(findings);
}

} // namespace

int main(int argc, char** argv) {
    RestrictDllSearchToSystemFolder();
    if (argc > 2)
        return Usage("one folder at most");
    if (argc == 2 && (std::string(argv[1]) == "/?" || std::string(argv[1]) == "--help"))
        return Usage("checks an installation folder");
    const std::wstring given =
        argc == 2 ? CommandLineArguments()[1] : GetProgramFolderWide().data();
    const std::string folder = FullPath(given);
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    if (folder.empty() && !given.empty() &&
        ::GetFileAttributesW(given.c_str()) != INVALID_FILE_ATTRIBUTES)
        return Usage("this system cannot spell the folder's name, and it has no short name: "
                     "copy the medium to a folder of plain Latin letters");
    if (folder.empty() || attributes == INVALID_FILE_ATTRIBUTES ||
        !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Usage(("no such folder: " + std::string(argc == 2 ? argv[1] : "")).c_str());
    return Check(folder);
}
