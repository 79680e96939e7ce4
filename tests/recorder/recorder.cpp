// A stand-in for the programs the launcher starts: it records how it was
// started, then behaves as the test asks through its environment.
//   RECORDER_LOG         file to append the record to (default: beside the program, .log)
//   RECORDER_NEVER_IDLE  1: shows a window and never reads its messages
//   RECORDER_SLEEP_MS    how long to run before ending (default 0)
//   RECORDER_EXIT_CODE   the exit status (default 0)
// The record is two lines: "CMD=" and the whole command line, "CWD=" and the
// current folder.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Environment(const char* name) {
    char value[1024] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::string LogPath() {
    std::string path = Environment("RECORDER_LOG");
    if (!path.empty())
        return path;
    char program[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    path.assign(program, length < MAX_PATH ? length : 0);
    const size_t dot = path.rfind('.');
    return (dot == std::string::npos ? path : path.substr(0, dot)) + ".log";
}

void Record() {
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    FILE* log = std::fopen(LogPath().c_str(), "ab");
    if (!log)
        return;
    std::fprintf(log, "CMD=%s\nCWD=%s\n", ::GetCommandLineA(), folder);
    std::fclose(log);
}

int Number(const char* name) {
    return std::atoi(Environment(name).c_str());
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Record();
    if (Environment("RECORDER_NEVER_IDLE") == "1") {
        // A window whose messages nobody reads: the process never goes idle.
        ::CreateWindowExA(0, "STATIC", "recorder", WS_OVERLAPPEDWINDOW, 0, 0, 100, 50, nullptr,
                          nullptr, nullptr, nullptr);
    } else {
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); // now idle
    }
    ::Sleep(static_cast<DWORD>(Number("RECORDER_SLEEP_MS")));
    return Number("RECORDER_EXIT_CODE");
}
