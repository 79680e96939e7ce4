#include "setupcheck/setupcheck_runner.h"

#include "driver/folders.h"

#include <windows.h>

#include <regex>
#include <sstream>
#include <stdexcept>

namespace {

// Ends a handle with its scope.
struct HandleOwner {
    HANDLE handle = nullptr;
    HandleOwner() = default;
    HandleOwner(const HandleOwner&) = delete;
    HandleOwner& operator=(const HandleOwner&) = delete;
    ~HandleOwner() {
        if (handle && handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    }
};

std::string Quoted(const std::string& argument) {
    return '"' + argument + '"';
}

} // namespace

std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

TestFolder::TestFolder() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    char unique[MAX_PATH] = {};
    ::GetTempFileNameA(temp, "chk", 0, unique);
    ::DeleteFileA(unique); // the name is kept for a folder
    m_path = unique;
    if (!::CreateDirectoryA(m_path.c_str(), nullptr))
        throw std::runtime_error("cannot create " + m_path);
}

TestFolder::~TestFolder() {
    RemoveTree(m_path);
}

void TestFolder::Write(const std::string& name, const std::string& bytes) const {
    for (size_t slash = name.find('\\'); slash != std::string::npos;
         slash = name.find('\\', slash + 1))
        ::CreateDirectoryA((m_path + '\\' + name.substr(0, slash)).c_str(), nullptr);
    HandleOwner file;
    file.handle = ::CreateFileA((m_path + '\\' + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (file.handle == INVALID_HANDLE_VALUE ||
        !::WriteFile(file.handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) ||
        written != bytes.size())
        throw std::runtime_error("cannot write " + name);
}

CheckRun RunSetupcheck(const std::vector<std::string>& arguments) {
    const std::string program = TestProgramFolder() + "setupcheck.exe";
    std::string commandLine = Quoted(program);
    for (const std::string& argument : arguments)
        commandLine += ' ' + Quoted(argument);

    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HandleOwner readEnd;
    HandleOwner writeEnd;
    if (!::CreatePipe(&readEnd.handle, &writeEnd.handle, &inheritable, 0))
        throw std::runtime_error("no pipe");
    ::SetHandleInformation(readEnd.handle, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.handle;
    startup.hStdError = writeEnd.handle;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION started{};
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    if (!::CreateProcessA(program.c_str(), writable.data(), nullptr, nullptr, TRUE, 0, nullptr,
                          nullptr, &startup, &started))
        throw std::runtime_error("cannot start " + program);
    HandleOwner process;
    process.handle = started.hProcess;
    HandleOwner thread;
    thread.handle = started.hThread;
    // Only the child holds the write end now: reading ends when it exits.
    ::CloseHandle(writeEnd.handle);
    writeEnd.handle = nullptr;

    CheckRun run{0, std::string()};
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(readEnd.handle, buffer, sizeof buffer, &read, nullptr) && read > 0)
        run.output.append(buffer, read);
    ::WaitForSingleObject(process.handle, INFINITE);
    ::GetExitCodeProcess(process.handle, &run.exitStatus);
    return run;
}

std::vector<PrintedFinding> FindingsOf(const std::string& output) {
    static const std::regex kFinding(R"(^([^:]+):(?:(\d+):)? (error|warning|note): .*)");
    std::vector<PrintedFinding> findings;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::smatch match;
        if (std::regex_match(line, match, kFinding))
            findings.push_back(
                {match[1].str(), match[2].matched ? std::stoi(match[2].str()) : 0, match[3].str()});
    }
    return findings;
}
