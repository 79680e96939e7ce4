// The designer's speed on a medium: the time from process start until its
// canvas shows the first form and the program waits for input, and the time
// each step of a button's drag takes to redraw (a mouse move sent to the
// canvas returns once the form is drawn again and painted).
//   designer_probe.exe FOLDER [RUNS] [FRAMES]
// FOLDER holds setupdesign.exe beside the medium's Setup.ini and picture.
// Prints the open times, the frame times and their ratios to the budgets
// (1 s to open, 1/30 s a frame).
#include "design_commands.h"
#include "driver/launched_program.h"
#include "driver/windows_of.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kTimeoutMs = 20000;
constexpr double kOpenBudgetMs = 1000;
constexpr double kFrameBudgetMs = 1000.0 / 30;

HWND WaitForCanvas(const LaunchedProgram& designer) {
    for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < kTimeoutMs;) {
        for (const WindowFacts& window : TopLevelWindows(designer.id()))
            if (window.className == kDesignerClass && (window.style & WS_VISIBLE))
                if (HWND canvas = ::FindWindowExA(window.hwnd, nullptr, kCanvasClass, nullptr))
                    return canvas;
        ::Sleep(1);
    }
    return nullptr;
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(fraction * values.size()))];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: designer_probe FOLDER [RUNS] [FRAMES]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const int frames = argc > 3 ? std::max(1, std::atoi(argv[3])) : 120;
    std::vector<double> opens, frameTimes;
    for (int run = 0; run < runs; ++run) {
        LaunchedProgram designer(folder + "\\setupdesign.exe", folder, folder);
        const HWND canvas = WaitForCanvas(designer);
        if (!canvas || !designer.WaitUntilIdle(kTimeoutMs)) {
            std::fprintf(stderr, "run %d: the designer's canvas did not appear\n", run + 1);
            return 1;
        }
        opens.push_back(MillisecondsBetween(designer.startTicks(), Ticks()));
        if (run != runs - 1)
            continue;
        // The sample's first button (400,64 208x30) dragged to and fro.
        const POINT from{kCanvasMargin + 504, kCanvasMargin + 79};
        ::SendMessageA(canvas, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        for (int frame = 0; frame < frames; ++frame) {
            const int dx = (frame % 40 < 20 ? frame % 40 : 40 - frame % 40) * 7;
            const LONGLONG start = Ticks();
            ::SendMessageA(canvas, WM_MOUSEMOVE, MK_LBUTTON,
                           MAKELPARAM(from.x - dx, from.y + dx / 2));
            frameTimes.push_back(MillisecondsBetween(start, Ticks()));
        }
        ::SendMessageA(canvas, WM_LBUTTONUP, 0, MAKELPARAM(from.x, from.y));
    }
    const double open = Percentile(opens, 0.5);
    const double median = Percentile(frameTimes, 0.5);
    const double slow = Percentile(frameTimes, 0.95);
    std::printf("open: median %.0f ms of %d runs (min %.0f, max %.0f); %.2f of the 1 s budget\n",
                open, runs, *std::min_element(opens.begin(), opens.end()),
                *std::max_element(opens.begin(), opens.end()), open / kOpenBudgetMs);
    std::printf("drag: %d frames, median %.1f ms, 95th percentile %.1f ms, max %.1f ms\n", frames,
                median, slow, *std::max_element(frameTimes.begin(), frameTimes.end()));
    std::printf("      %.0f frames/s at the median, %.0f at the 95th percentile; "
                "%.2f of the 1/30 s budget\n",
                1000 / median, 1000 / slow, slow / kFrameBudgetMs);
    return 0;
}
