// The designer's entry: opens the medium folder given as its argument, or
// none, and runs the main window until it is closed.
#include "app/command_line_arguments.h"
#include "framework/app.h"
#include "framework/narrow_text.h"
#include "framework/screen_scale.h"
#include "main_window.h"
#include "window_place.h"

namespace {

// The first argument as a full path in the ANSI code page; empty when none.
std::string FolderArgument() {
    const CommandLineArguments arguments;
    if (!*arguments[1])
        return std::string();
    wchar_t full[MAX_PATH] = {};
    const DWORD length = ::GetFullPathNameW(arguments[1], MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? NarrowText(full) : std::string();
}

class DesignerApp : public CWinApp {
public:
    BOOL InitInstance() override {
        // Its manifest already asks for the scale of each display; this
        // tells the launcher's own drawing code so too.
        DeclareScaleAware();
        MainWindow window;
        if (!window.Create())
            return FALSE;
        m_pMainWnd = &window;
        STARTUPINFOA startup{};
        ::GetStartupInfoA(&startup);
        const int show =
            (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
        if (!RestoreWindowPlace(window.m_hWnd, show))
            ::ShowWindow(window.m_hWnd, show);
        const std::string folder = FolderArgument();
        if (!folder.empty())
            window.Open(folder);
        m_exitCode = RunFrameLoop(window.m_hWnd, window.Accelerators());
        m_pMainWnd = nullptr;
        return FALSE;
    }
    int ExitInstance() override { return m_exitCode; }

private:
    int m_exitCode = 0;
};

DesignerApp theApp;

} // namespace
