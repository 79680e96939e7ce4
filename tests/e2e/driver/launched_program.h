// A program started in a folder of its own, watched from outside and always
// ended: a test that fails half-way never leaves it running.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

class LaunchedProgram {
public:
    // Starts `program` (a full path) with the folder as its current folder and
    // the argument, when given, as its only argument.
    LaunchedProgram(const std::string& program, const std::string& folder,
                    const std::string& argument = "");
    // The same in wide text, which spells any folder name.
    LaunchedProgram(const std::wstring& program, const std::wstring& folder,
                    const std::wstring& argument = L"");
    LaunchedProgram(const LaunchedProgram&) = delete;
    LaunchedProgram& operator=(const LaunchedProgram&) = delete;
    ~LaunchedProgram();

    bool started() const { return m_process.hProcess != nullptr; }
    DWORD id() const { return m_process.dwProcessId; }
    // When it started, in QueryPerformanceCounter ticks.
    LONGLONG startTicks() const { return m_startTicks; }

    // The exit status once the program has ended, or nothing after the wait.
    std::optional<DWORD> WaitForExit(DWORD milliseconds);
    bool running() const;
    // The program's working set now, in bytes; nothing when it cannot be read.
    std::optional<SIZE_T> WorkingSetBytes() const;
    // Whether a module of this file name (any case) is loaded in the program.
    bool HasLoaded(const std::string& fileName) const;
    // Waits until the program waits for input with nothing left to handle,
    // its pending paints included.
    bool WaitUntilIdle(DWORD milliseconds) const;

private:
    PROCESS_INFORMATION m_process{};
    LONGLONG m_startTicks = 0;
};

// The text read in the code page (CP_ACP, CP_UTF8, ...) as wide text.
std::wstring Widened(const std::string& text, UINT codePage);

// Milliseconds between two QueryPerformanceCounter readings.
double MillisecondsBetween(LONGLONG from, LONGLONG to);
LONGLONG Ticks();
