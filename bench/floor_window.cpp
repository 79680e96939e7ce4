// The floors of the start-up benchmark: the least a Win32 program does to show
// a borderless window of the launcher's size with the same face. It reads a
// ready bitmap (no decoding), creates a centred pop-up window and copies the
// bitmap on every paint. Given the rectangles of the launcher's buttons, it
// also makes one plain owner-drawn button at each, which copies its part of
// the same bitmap when drawn: the least a window with those buttons does.
//   floor_window.exe FACE.bmp TITLE [LEFT,TOP,WIDTH,HEIGHT ...]
#include <windows.h>

#include <cstdio>

namespace {

HBITMAP g_face = nullptr;

// Copies the face's part under `area` (in the window's client coordinates) to
// `dc` at (x, y).
void CopyFace(HDC dc, int x, int y, const RECT& area) {
    HDC memory = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(memory, g_face);
    ::BitBlt(dc, x, y, area.right - area.left, area.bottom - area.top, memory, area.left, area.top,
             SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(hwnd, &paint);
        BITMAP size{};
        ::GetObjectA(g_face, sizeof size, &size);
        CopyFace(dc, 0, 0, RECT{0, 0, size.bmWidth, size.bmHeight});
        ::EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        RECT area{};
        ::GetWindowRect(item.hwndItem, &area);
        ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&area), 2);
        CopyFace(item.hDC, 0, 0, area);
        return TRUE;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            ::DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    g_face = static_cast<HBITMAP>(
        ::LoadImageA(nullptr, argv[1], IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!g_face)
        return 1;
    BITMAP size{};
    ::GetObjectA(g_face, sizeof size, &size);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &FloorProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "FloorWindow";
    ::RegisterClassA(&windowClass);

    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - size.bmWidth) / 2;
    const int y = work.top + (work.bottom - work.top - size.bmHeight) / 2;
    // With buttons, hidden until they are made, as a dialog is.
    const bool hasButtons = argc > 3;
    HWND window = ::CreateWindowExA(
        0, "FloorWindow", argv[2], WS_POPUP | (hasButtons ? 0 : WS_VISIBLE), x, y, size.bmWidth,
        size.bmHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    for (int i = 3; i < argc; ++i) {
        int left = 0, top = 0, width = 0, height = 0;
        if (std::sscanf(argv[i], "%d,%d,%d,%d", &left, &top, &width, &height) == 4)
            ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, left, top,
                              width, height, window, reinterpret_cast<HMENU>(INT_PTR(i)),
                              windowClass.hInstance, nullptr);
    }
    if (hasButtons)
        ::ShowWindow(window, SW_SHOW);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    ::DeleteObject(g_face);
    return 0;
}
