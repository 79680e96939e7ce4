#include "framework/message_box.h"

#include "framework/app.h"
#include "framework/common_controls.h"
#include "framework/program_path.h"

#include <new>
#include <stdexcept>

std::string GetProgramName() {
    const std::string path = GetProgramPath();
    if (path.empty())
        return "launcher";
    // The file name starts after the last separator; CharNextA keeps double-byte
    // characters whole.
    const char* name = path.c_str();
    const char* dot = nullptr;
    for (const char* p = name; *p; p = ::CharNextA(p)) {
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
