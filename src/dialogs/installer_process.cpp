#include "dialogs/installer_process.h"

#include "app/paths.h"
#include "app/program_folder.h"
#include "dialogs/installer_command.h"
#include "dialogs/password_rules.h"

#include <shellapi.h>

#include <vector>

namespace {

std::string EnvironmentPath() {
    const DWORD size = ::GetEnvironmentVariableA("PATH", nullptr, 0);
    if (size == 0)
        return std::string();
    std::string path(size, '\0');
    const DWORD length = ::GetEnvironmentVariableA("PATH", path.data(), size);
    path.resize(length < size ? length : 0);
    return path;
}

// The folders process creation searches for a relative program name, in its order.
std::string ProgramSearchFolders() {
    const std::string windows = PlatformPath(
        [](char* buffer, unsigned size) { return ::GetWindowsDirectoryA(buffer, size); });
    const std::string folders[] = {
        GetProgramFolder(),
        PlatformPath([](char* buffer, unsigned size) {
            return static_cast<UINT>(::GetCurrentDirectoryA(size, buffer));
        }),
        PlatformPath(
            [](char* buffer, unsigned size) { return ::GetSystemDirectoryA(buffer, size); }),
        windows.empty() ? std::string() : JoinPath(windows, "System"),
        windows,
        EnvironmentPath(),
    };
    std::string list;
    for (const std::string& folder : folders) {
        if (folder.empty())
            continue;
        if (!list.empty())
            list += ';';
        list += folder;
    }
    return list;
}

// The full path of the program as process creation would find it; empty when missing.
std::string FindProgram(const std::string& program) {
    const std::string folders = ProgramSearchFolders();
    std::string found(kMaxPathBytes, '\0');
    DWORD length = ::SearchPathA(folders.c_str(), program.c_str(), ".exe",
                                 static_cast<DWORD>(found.size()), found.data(), nullptr);
    if (length >= found.size()) {
        found.assign(length, '\0');
        length = ::SearchPathA(folders.c_str(), program.c_str(), ".exe",
                               static_cast<DWORD>(found.size()), found.data(), nullptr);
    }
    found.resize(length < found.size() ? length : 0);
    return found;
}

} // namespace

DWORD CreateInstallerProcess(const std::string& commandLine, UniqueHandle& process) {
    // The platform may write into the command line, so it gets a copy of its own.
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const bool created = ::CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0,
                                          nullptr, nullptr, &startup, &started) != FALSE;
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
    const std::string program = FindProgram(parts.program);
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
        started = ::ShellExecuteExA(&execute) && execute.hProcess;
        if (started)
            process.reset(execute.hProcess);
    }
    WipeSecret(parts.parameters);
    return started;
}
