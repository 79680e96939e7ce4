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

int AppMessageBoxWide(const std::wstring& text, UINT type) {
    const CommonControlsScope controls;
    const std::string name = GetProgramName();
    std::wstring title(name.size(), L'\0');
    title.resize(static_cast<size_t>(::MultiByteToWideChar(
        CP_ACP, 0, name.data(), static_cast<int>(name.size()), title.data(),
        static_cast<int>(title.size()))));
    return ::MessageBoxW(GetSafeOwner(), text.c_str(), title.c_str(), type);
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
