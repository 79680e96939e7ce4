#include "dialogs/installer_process.h"

#include "app/paths.h"
#include "app/program_folder.h"
#include "app/system_code_page.h"
#include "dialogs/installer_command.h"
#include "dialogs/installer_program.h"
#include "dialogs/password_rules.h"
#include "framework/shell_functions.h"

#include <vector>

std::vector<std::string> InstallerSystemFolders() {
    const std::string windows = PlatformPath(
        [](char* buffer, unsigned size) { return ::GetWindowsDirectoryA(buffer, size); });
    return {
        PlatformPath(
            [](char* buffer, unsigned size) { return ::GetSystemDirectoryA(buffer, size); }),
        windows.empty() ? std::string() : JoinPath(windows, "System", CurrentLeadBytes()),
        windows,
    };
}

std::string FindInstallerProgram(const std::string& program) {
    return ResolveInstallerProgram(program, GetProgramFolder(), InstallerSystemFolders(),
                                   CurrentLeadBytes(), [](const std::string& path) {
                                       const DWORD attributes = ::GetFileAttributesA(path.c_str());
                                       return attributes != INVALID_FILE_ATTRIBUTES &&
                                              !(attributes & FILE_ATTRIBUTE_DIRECTORY);
                                   });
}

DWORD CreateInstallerProcess(const std::string& commandLine, UniqueHandle& process) {
    const std::string program = FindInstallerProgram(SplitQuotedCommandLine(commandLine).program);
    if (program.empty())
        return ERROR_FILE_NOT_FOUND;
    // The platform may write into the command line, so it gets a copy of its own.
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const bool created = ::CreateProcessA(program.c_str(), writable.data(), nullptr, nullptr, FALSE,
                                          0, nullptr, nullptr, &startup, &started) != FALSE;
    const DWORD error = created ? ERROR_SUCCESS : ::GetLastError();
    WipeBytes(writable.data(), writable.size());
    if (!created)
        return error;
    UniqueHandle thread(started.hThread);
    process.reset(started.hProcess);
    return ERROR_SUCCESS;
}

bool StartElevatedInstaller(const std::string& commandLine, HWND owner, UniqueHandle& process) {
    CommandLineParts parts = SplitQuotedCommandLine(commandLine);
    const std::string program = FindInstallerProgram(parts.program);
    bool started = false;
    if (!program.empty()) {
        SHELLEXECUTEINFOA execute{};
        execute.cbSize = sizeof execute;
        // No error boxes of the shell's own: the dialog reports the failure.
        execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        execute.hwnd = owner;
        // The program said it needs elevation; ask for it directly rather than
        // rely on the shell to detect it again.
        execute.lpVerb = "runas";
        execute.lpFile = program.c_str();
        execute.lpParameters = parts.parameters.c_str();
        execute.nShow = SW_SHOWNORMAL;
        started = shell::ExecuteEx(&execute) && execute.hProcess;
        if (started)
            process.reset(execute.hProcess);
    }
    WipeSecret(parts.parameters);
    return started;
}
