#include "launched_program.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <vector>

namespace {

// Closes a tool-help snapshot at the end of a scope.
class UniqueSnapshot {
public:
    explicit UniqueSnapshot(HANDLE handle) : m_handle(handle) {}
    UniqueSnapshot(const UniqueSnapshot&) = delete;
    UniqueSnapshot& operator=(const UniqueSnapshot&) = delete;
    ~UniqueSnapshot() {
        if (m_handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_handle);
    }
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

} // namespace

LONGLONG Ticks() {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double MillisecondsBetween(LONGLONG from, LONGLONG to) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return double(to - from) * 1000.0 / double(frequency.QuadPart);
}

std::wstring Widened(const std::string& text, UINT codePage) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(
        ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                              static_cast<int>(wide.size()))));
    return wide;
}

LaunchedProgram::LaunchedProgram(const std::string& program, const std::string& folder,
                                 const std::string& argument)
    : LaunchedProgram(Widened(program, CP_ACP), Widened(folder, CP_ACP),
                      Widened(argument, CP_ACP)) {}

LaunchedProgram::LaunchedProgram(const std::wstring& program, const std::wstring& folder,
                                 const std::wstring& argument) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!argument.empty())
        commandLine += L" " + argument;
    std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
    writable.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    m_startTicks = Ticks();
    if (!::CreateProcessW(program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &m_process))
        m_process = PROCESS_INFORMATION{};
}

LaunchedProgram::~LaunchedProgram() {
    if (!started())
        return;
    if (running()) {
        ::TerminateProcess(m_process.hProcess, 99);
        ::WaitForSingleObject(m_process.hProcess, 5000);
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

bool LaunchedProgram::running() const {
    return started() && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<SIZE_T> LaunchedProgram::WorkingSetBytes() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!started() || !::GetProcessMemoryInfo(m_process.hProcess, &counters, sizeof counters))
        return std::nullopt;
    return counters.WorkingSetSize;
}

bool LaunchedProgram::HasLoaded(const std::string& fileName) const {
    if (!started())
        return false;
    UniqueSnapshot snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, id()));
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    for (BOOL more = ::Module32First(snapshot.get(), &module); more;
         more = ::Module32Next(snapshot.get(), &module))
        if (::lstrcmpiA(module.szModule, fileName.c_str()) == 0)
            return true;
    return false;
}

std::optional<DWORD> LaunchedProgram::WaitForExit(DWORD milliseconds) {
    if (!started() || ::WaitForSingleObject(m_process.hProcess, milliseconds) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD status = 0;
    ::GetExitCodeProcess(m_process.hProcess, &status);
    return status;
}

bool LaunchedProgram::WaitUntilIdle(DWORD milliseconds) const {
    return started() && ::WaitForInputIdle(m_process.hProcess, milliseconds) == 0;
}
