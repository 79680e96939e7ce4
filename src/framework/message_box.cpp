#include "framework/message_box.h"

#include "framework/app.h"
#include "framework/common_controls.h"
#include "framework/narrow_text.h"
#include "framework/program_path.h"

#include <new>
#include <stdexcept>

namespace {

// The program file's name, or "launcher" when the platform cannot tell it.
WidePath ProgramTitle() {
    const WidePath name = GetProgramNameWide();
    return name[0] ? name : WidePath{L"launcher"};
}

} // namespace

std::string GetProgramName() {
    return NarrowText(ProgramTitle().data());
}

int AppMessageBox(const std::string& text, UINT type) {
    const CommonControlsScope controls;
    return ::MessageBoxA(GetSafeOwner(), text.c_str(), GetProgramName().c_str(), type);
}

int AppMessageBoxWide(const wchar_t* text, UINT type) {
    const CommonControlsScope controls;
    return ::MessageBoxW(GetSafeOwner(), text, ProgramTitle().data(), type);
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
