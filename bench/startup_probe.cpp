// Measures, side by side under the same Wine, the time from process start to
// the first complete paint of the launcher's first form and of the floor
// program showing the same face in a bare window.
//   startup_probe.exe RUNS FOLDER
// FOLDER holds launcher.exe with its Setup.ini and picture, and
// floor_window.exe. "Complete" is the moment the window's face on the screen
// equals the launcher's settled face, captured once before the runs; both
// programs are watched by the same polling loop.
#include "driver/launched_program.h"
#include "driver/picture_files.h"
#include "driver/screen.h"
#include "driver/user_input.h"
#include "driver/windows_of.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

// The window's edge is left out: see-through corners show whatever the
// window surface held, which need not be the same from run to run.
constexpr int kInset = 24;
constexpr DWORD kTimeoutMs = 15000;

RECT Inner(const RECT& window) {
    return RECT{window.left + kInset, window.top + kInset, window.right - kInset,
                window.bottom - kInset};
}

constexpr int kRepaints = 200;

struct Timing {
    double windowMs; // until the window is visible
    double faceMs;   // until it shows the whole face
    HWND window;
};

// Polls until a window of the process with the title shows `face` in its
// inner rectangle; the milliseconds since the process was started.
std::optional<Timing> TimeToFace(LaunchedProgram& program, const std::string& title,
                                 const ScreenImage& face) {
    HWND window = nullptr;
    double windowMs = 0;
    while (MillisecondsBetween(program.startTicks(), Ticks()) < kTimeoutMs) {
        if (!window) {
            window = WaitForWindow(program.id(), title, 0).hwnd;
            windowMs = MillisecondsBetween(program.startTicks(), Ticks());
        }
        if (window) {
            RECT rect{};
            ::GetWindowRect(window, &rect);
            if (CaptureScreen(Inner(rect)) == face)
                return Timing{windowMs, MillisecondsBetween(program.startTicks(), Ticks()), window};
        }
        ::Sleep(1);
    }
    return std::nullopt;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The median time of a full repaint of the window and its children (erase and
// paint, finished before RedrawWindow returns), in milliseconds.
double MedianRepaintMs(HWND window) {
    std::vector<double> times;
    for (int i = 0; i < kRepaints; ++i) {
        const LONGLONG start = Ticks();
        ::RedrawWindow(window, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        times.push_back(MillisecondsBetween(start, Ticks()));
    }
    return Median(times);
}

std::string IniValue(const std::string& ini, const char* key) {
    char value[260] = {};
    ::GetPrivateProfileStringA("main", key, "", value, sizeof value, ini.c_str());
    return value;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe RUNS FOLDER\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    char fullFolder[MAX_PATH] = {};
    if (!::GetFullPathNameA(argv[2], sizeof fullFolder, fullFolder, nullptr))
        return 2;
    const std::string folder = fullFolder;
    const std::string launcher = folder + "\\launcher.exe";
    const std::string floor = folder + "\\floor_window.exe";
    const std::string faceFile = folder + "\\floor_face.bmp";
    const std::string title = IniValue(folder + "\\Setup.ini", "productName");
    const std::string floorTitle = "Floor";
    MovePointerAway();

    // The launcher's settled face: the reference for both programs.
    ScreenImage whole, face;
    {
        LaunchedProgram first(launcher, folder);
        const WindowFacts form = WaitForWindow(first.id(), title, kTimeoutMs);
        if (!form.hwnd) {
            std::fprintf(stderr, "the launcher showed no window titled \"%s\"\n", title.c_str());
            return 1;
        }
        whole = CaptureWhenSettled(form.screenRect, 5000, 500);
        face = CaptureScreen(Inner(form.screenRect));
    }
    Picture picture(whole.width(), whole.height(), Rgba{});
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x) {
            const uint32_t p = whole.at(x, y);
            picture.at(x, y) =
                Rgba{uint8_t(RedOf(p)), uint8_t(GreenOf(p)), uint8_t(BlueOf(p)), 255};
        }
    const std::string bmp = EncodeBmp24(picture);
    if (FILE* file = std::fopen(faceFile.c_str(), "wb")) {
        std::fwrite(bmp.data(), 1, bmp.size(), file);
        std::fclose(file);
    }

    // One unmeasured run of each, then the runs, interleaved and alternating
    // which goes first.
    std::vector<double> launcherMs, floorMs, launcherWindowMs, floorWindowMs;
    std::vector<double> launcherRepaintMs, floorRepaintMs, launcherWorkingSet, floorWorkingSet;
    // Each round's pair side by side: steadier than the medians when the
    // machine's speed drifts during the runs.
    std::vector<double> roundRatios;
    int failures = 0;
    for (int round = -1; round < runs; ++round) {
        double pairMs[2] = {0, 0}; // floor, launcher
        for (int turn = 0; turn < 2; ++turn) {
            const bool isLauncher = (turn == 0) == (round % 2 == 0);
            std::optional<Timing> ms;
            {
                LaunchedProgram program(isLauncher ? launcher : floor, folder,
                                        isLauncher ? "" : "floor_face.bmp " + floorTitle);
                ms = TimeToFace(program, isLauncher ? title : floorTitle, face);
                // The working set right after the first paint, then repaints of the settled
                // window: every third round, to keep the runs short.
                if (ms && round >= 0) {
                    if (const auto bytes = program.WorkingSetBytes())
                        (isLauncher ? launcherWorkingSet : floorWorkingSet)
                            .push_back(double(*bytes));
                    if (round % 3 == 0)
                        (isLauncher ? launcherRepaintMs : floorRepaintMs)
                            .push_back(MedianRepaintMs(ms->window));
                }
            }
            if (round < 0)
                continue;
            if (!ms) {
                ++failures;
                continue;
            }
            (isLauncher ? launcherMs : floorMs).push_back(ms->faceMs);
            (isLauncher ? launcherWindowMs : floorWindowMs).push_back(ms->windowMs);
            pairMs[isLauncher ? 1 : 0] = ms->faceMs;
        }
        if (pairMs[0] > 0 && pairMs[1] > 0)
            roundRatios.push_back(pairMs[1] / pairMs[0]);
    }
    if (launcherMs.empty() || floorMs.empty()) {
        std::fprintf(stderr, "no complete paint seen (%d failed runs)\n", failures);
        return 1;
    }
    const double launcherMedian = Median(launcherMs), floorMedian = Median(floorMs);
    std::printf("runs: %zu launcher, %zu floor (%d failed), face %dx%d\n", launcherMs.size(),
                floorMs.size(), failures, whole.width(), whole.height());
    std::printf("median time to first complete paint: launcher %.1f ms, floor %.1f ms\n",
                launcherMedian, floorMedian);
    std::printf("median time until the window is visible: launcher %.1f ms, floor %.1f ms\n",
                Median(launcherWindowMs), Median(floorWindowMs));
    std::printf(
        "ratio launcher / floor: %.3f of the medians (goal <= 1.5), %.3f of the best runs\n",
        launcherMedian / floorMedian,
        *std::min_element(launcherMs.begin(), launcherMs.end()) /
            *std::min_element(floorMs.begin(), floorMs.end()));
    if (!roundRatios.empty())
        std::printf("median of the ratios within each round: %.3f\n", Median(roundRatios));
    if (!launcherRepaintMs.empty() && !floorRepaintMs.empty()) {
        const double launcherRepaint = Median(launcherRepaintMs);
        const double floorRepaint = Median(floorRepaintMs);
        std::printf("median full repaint: launcher %.3f ms, floor %.3f ms (ratio %.2f)\n",
                    launcherRepaint, floorRepaint, launcherRepaint / floorRepaint);
    }
    if (!launcherWorkingSet.empty() && !floorWorkingSet.empty())
        std::printf("median working set after the first paint: launcher %.1f MB, floor %.1f MB\n",
                    Median(launcherWorkingSet) / 1048576, Median(floorWorkingSet) / 1048576);
    return 0;
}
