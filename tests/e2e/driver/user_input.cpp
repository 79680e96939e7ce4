#include "user_input.h"

void HoverAt(POINT point) {
    ::SetCursorPos(point.x, point.y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(point.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = MulDiv(point.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &move, sizeof move);
}

void MovePointerAway() {
    HoverAt(POINT{0, 0});
}

void PressButton(HWND button) {
    ::PostMessageA(button, BM_CLICK, 0, 0);
}

void PressOk(HWND box) {
    HWND ok = ::GetDlgItem(box, IDOK);
    if (ok)
        PressButton(ok);
    else
        ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void PostKey(HWND window, WPARAM virtualKey) {
    const UINT scan = ::MapVirtualKeyA(UINT(virtualKey), 0);
    ::PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | (LPARAM(scan) << 16));
    ::PostMessageA(window, WM_KEYUP, virtualKey, 1 | (LPARAM(scan) << 16) | (3u << 30));
}
