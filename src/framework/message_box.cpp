#include "framework/message_box.h"

#include "framework/app.h"
#include "framework/common_controls.h"
#include "framework/narrow_text.h"
#include "framework/program_path.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace {

// The program file's name without folder and extension, e.g. L"launcher".
WidePath GetProgramNameWide() {
    WidePath name = GetProgramPathWide();
    if (!name[0])
        return WidePath{L"launcher"};
    const wchar_t* start = name.data();
    const wchar_t* dot = nullptr;
    for (const wchar_t* p = name.data(); *p; ++p) {
        if (*p == L'\\' || *p == L'/' || *p == L':') {
            start = p + 1;
            dot = nullptr;
        } else if (*p == L'.') {
            dot = p;
        }
    }
    const std::size_t length = (dot ? dot : start + ::lstrlenW(start)) - start;
    std::copy(start, start + length, name.begin());
    name[length] = L'\0';
    return name;
}

} // namespace

std::string GetProgramName() {
    std::string name = NarrowText(GetProgramNameWide().data());
    return name.empty() ? std::string("launcher") : name;
}

int AppMessageBox(const std::string& text, UINT type) {
    const CommonControlsScope controls;
    return ::MessageBoxA(GetSafeOwner(), text.c_str(), GetProgramName().c_str(), type);
}

int AppMessageBoxWide(const wchar_t* text, UINT type) {
    const CommonControlsScope controls;
    return ::MessageBoxW(GetSafeOwner(), text, GetProgramNameWide().data(), type);
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
