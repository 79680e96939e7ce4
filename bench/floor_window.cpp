// The floor of the start-up benchmark: the least a Win32 program does to show
// a borderless window of the launcher's size with the same face. It reads a
// ready bitmap (no decoding), creates a centred pop-up window and copies the
// bitmap on every paint.
//   floor_window.exe FACE.bmp TITLE
#include <windows.h>

namespace {

HBITMAP g_face = nullptr;

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(hwnd, &paint);
        HDC memory = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(memory, g_face);
        BITMAP size{};
        ::GetObjectA(g_face, sizeof size, &size);
        ::BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
        ::EndPaint(hwnd, &paint);
        return 0;
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
    ::CreateWindowExA(0, "FloorWindow", argv[2], WS_POPUP | WS_VISIBLE, x, y, size.bmWidth,
                      size.bmHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    ::DeleteObject(g_face);
    return 0;
}
