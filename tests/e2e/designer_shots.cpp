// The screenshots of the designer in docs/: the sample opened, a button
// chosen, the window captured from the screen as a BMP.
//   designer_shots.exe FOLDER OUT.bmp [FORM-BUTTON]
// FOLDER holds setupdesign.exe beside the medium. With FORM-BUTTON (a number)
// that button of the first form is double-clicked first, opening its form.
#include "design_commands.h"
#include "driver/launched_program.h"
#include "driver/screen.h"
#include "driver/user_input.h"
#include "driver/windows_of.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: designer_shots FOLDER OUT.bmp [FORM-BUTTON]\n");
        return 2;
    }
    const std::string folder = argv[1];
    MovePointerAway();
    LaunchedProgram designer(folder + "\\setupdesign.exe", folder, folder);
    HWND frame = nullptr, canvas = nullptr;
    for (const DWORD start = ::GetTickCount(); !canvas && ::GetTickCount() - start < 20000;) {
        ::Sleep(50);
        for (const WindowFacts& window : TopLevelWindows(designer.id()))
            if (window.className == kDesignerClass && (window.style & WS_VISIBLE))
                frame = window.hwnd;
        canvas = frame ? ::FindWindowExA(frame, nullptr, kCanvasClass, nullptr) : nullptr;
    }
    if (!canvas)
        return 1;
    const auto click = [canvas](int x, int y, UINT down) {
        const LPARAM at = MAKELPARAM(kCanvasMargin + x, kCanvasMargin + y);
        ::SendMessageA(canvas, down, MK_LBUTTON, at);
        ::SendMessageA(canvas, WM_LBUTTONUP, 0, at);
    };
    // The sample's buttons lie at x 400-608, 38 pixels apart from y 64.
    if (argc > 3)
        click(504, 79 + 38 * (std::atoi(argv[3]) - 1), WM_LBUTTONDBLCLK);
    click(504, 79 + 38 * 2, WM_LBUTTONDOWN);
    designer.WaitUntilIdle(10000);
    // The part of the window on the screen.
    RECT shown = DescribeWindow(frame).screenRect;
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::IntersectRect(&shown, &shown, &screen);
    SaveBmp(CaptureWhenSettled(shown), argv[2]);
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    return designer.WaitForExit(10000) ? 0 : 1;
}
