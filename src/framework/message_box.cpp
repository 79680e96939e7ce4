#include "framework/message_box.h"

#include "framework/app.h"
#include "framework/common_controls.h"

#include <new>
#include <stdexcept>

std::string GetProgramName() {
    char path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "launcher";
    // The file name starts after the last separator; CharNextA keeps double-byte
    // characters whole.
    const char* name = path;
    const char* dot = nullptr;
    for (const char* p = path; *p; p = ::CharNextA(p)) {
        if (*p == '\\' || *p == '/' || *p == ':') {
            name = p + 1;
            dot = nullptr;
        } else if (*p == '.') {
            dot = p;
        }
    }
    return dot ? std::string(name, dot) : std::string(name);
}

int AppMessageBox(const std::string& text, UINT type) {
    const CommonControlsScope controls;
    return ::MessageBoxA(GetSafeOwner(), text.c_str(), GetProgramName().c_str(), type);
}

int AppMessageBoxWide(const wchar_t* text, UINT type) {
    const CommonControlsScope controls;
    wchar_t title[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, GetProgramName().c_str(), -1, title, MAX_PATH);
    return ::MessageBoxW(GetSafeOwner(), text, title, type);
}

void ReportWindowProcException() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        AppMessageBox("Out of memory.", MB_OK | MB_ICONSTOP);
    } catch (const std::exception& e) {
        AppMessageBox(e.what(), MB_OK | MB_ICONSTOP);
    } catch (...) {
        AppMessageBox("An unexpected error occurred.", MB_OK | MB_ICONSTOP);
    }
}
