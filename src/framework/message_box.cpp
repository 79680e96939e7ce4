#include "framework/message_box.h"

#include "framework/app.h"
#include "framework/common_controls.h"
#include "framework/program_path.h"

#include <new>
#include <stdexcept>

namespace {

// The program file's name without folder and extension, e.g. L"launcher".
std::wstring GetProgramNameWide() {
    const std::wstring path = GetProgramPathWide();
    if (path.empty())
        return L"launcher";
    const std::size_t name = path.find_last_of(L"\\/:") + 1; // npos + 1 is 0
    const std::size_t dot = path.find_last_of(L'.');
    return path.substr(name,
                       dot == std::wstring::npos || dot < name ? std::wstring::npos : dot - name);
}

} // namespace

std::string GetProgramName() {
    const std::wstring name = GetProgramNameWide();
    char narrow[MAX_PATH] = {};
    const int bytes =
        ::WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
    return bytes > 1 ? std::string(narrow, bytes - 1) : std::string("launcher");
}

int AppMessageBox(const std::string& text, UINT type) {
    const CommonControlsScope controls;
    return ::MessageBoxA(GetSafeOwner(), text.c_str(), GetProgramName().c_str(), type);
}

int AppMessageBoxWide(const wchar_t* text, UINT type) {
    const CommonControlsScope controls;
    return ::MessageBoxW(GetSafeOwner(), text, GetProgramNameWide().c_str(), type);
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
