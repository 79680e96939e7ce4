#include "framework/frame_window.h"

bool RegisterFrameClass(const char* className, UINT classStyle, HICON icon) {
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExA(instance, className, &existing))
        return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    return ::RegisterClassExA(&windowClass) != 0;
}

int RunFrameLoop(HWND frame, HACCEL accelerators) {
    MSG msg{};
    for (;;) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        bool taken = false;
        for (HWND hwnd = msg.hwnd; hwnd && !taken; hwnd = ::GetParent(hwnd))
            if (CWnd* wnd = CWnd::FromHandle(hwnd))
                taken = wnd->PreTranslateMessage(&msg);
        if (taken)
            continue;
        if (accelerators && ::IsWindow(frame) && ::TranslateAcceleratorA(frame, accelerators, &msg))
            continue;
        if (::IsWindow(frame) && ::IsDialogMessageA(frame, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
