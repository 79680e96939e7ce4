// Measures, side by side under the same Wine, the time from process start to
// the first complete paint of the launcher's first form and of the floor
// program showing the same face in a bare window, and in a window with plain
// owner-drawn buttons where the launcher has its buttons (the second floor).
//   startup_probe.exe RUNS FOLDER
// FOLDER holds launcher.exe with its Setup.ini and picture, and
// floor_window.exe. "Complete" is the moment the window's face on the screen
// equals the launcher's settled face, captured once before the runs; all
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
constexpr DWORD kSettleMs = 300;

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

// The rectangles of the form's children as floor_window.exe takes them.
std::string ChildRectangles(HWND form) {
    std::string arguments;
    for (const ChildFacts& child : ChildrenOf(form)) {
        char rect[64];
        std::snprintf(rect, sizeof rect, " %ld,%ld,%ld,%ld", child.rect.left, child.rect.top,
                      child.rect.right - child.rect.left, child.rect.bottom - child.rect.top);
        arguments += rect;
    }
    return arguments;
}

// One program measured: what it is and what it showed.
struct Contender {
    const char* name;
    std::string program;
    std::string arguments;
    std::string title;
    std::vector<double> faceMs, windowMs, repaintMs, workingSet;
};

void PrintRatio(const char* what, double launcher, double floor, const char* unit,
                const char* goal) {
    std::printf("%s: launcher %.3f %s, floor %.3f %s: ratio %.3f (goal <= %s)\n", what, launcher,
                unit, floor, unit, launcher / floor, goal);
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
    MovePointerAway();

    // The launcher's settled face: the reference for every program.
    ScreenImage whole, face;
    std::string buttons;
    {
        LaunchedProgram first(launcher, folder);
        const WindowFacts form = WaitForWindow(first.id(), title, kTimeoutMs);
        if (!form.hwnd) {
            std::fprintf(stderr, "the launcher showed no window titled \"%s\"\n", title.c_str());
            return 1;
        }
        whole = CaptureWhenSettled(form.screenRect, 5000, 500);
        face = CaptureScreen(Inner(form.screenRect));
        buttons = ChildRectangles(form.hwnd);
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

    Contender contenders[] = {
        {"launcher", launcher, "", title, {}, {}, {}, {}},
        {"floor", floor, "floor_face.bmp Floor", "Floor", {}, {}, {}, {}},
        {"floor with buttons",
         floor,
         "floor_face.bmp Buttons" + buttons,
         "Buttons",
         {},
         {},
         {},
         {}},
    };
    constexpr int kContenders = 3;
    // One unmeasured run of each, then the runs, interleaved, each round
    // starting with the next program.
    std::vector<double> roundRatios; // launcher / floor within each round
    int failures = 0;
    for (int round = -1; round < runs; ++round) {
        double pairMs[2] = {0, 0}; // launcher, floor
        for (int turn = 0; turn < kContenders; ++turn) {
            const int which = (turn + round + 1) % kContenders;
            Contender& contender = contenders[which];
            std::optional<Timing> ms;
            // The last program's end still winds down in Wine and the X server:
            // each start begins on a quiet machine.
            ::Sleep(kSettleMs);
            {
                LaunchedProgram program(contender.program, folder, contender.arguments);
                ms = TimeToFace(program, contender.title, face);
                // The working set right after the first paint, then repaints of the settled
                // window: every third round, to keep the runs short.
                if (ms && round >= 0) {
                    if (const auto bytes = program.WorkingSetBytes())
                        contender.workingSet.push_back(double(*bytes));
                    if (round % 3 == 0)
                        contender.repaintMs.push_back(MedianRepaintMs(ms->window));
                }
            }
            if (round < 0)
                continue;
            if (!ms) {
                ++failures;
                continue;
            }
            contender.faceMs.push_back(ms->faceMs);
            contender.windowMs.push_back(ms->windowMs);
            if (which < 2)
                pairMs[which] = ms->faceMs;
        }
        if (pairMs[0] > 0 && pairMs[1] > 0)
            roundRatios.push_back(pairMs[0] / pairMs[1]);
    }
    for (const Contender& contender : contenders)
        if (contender.faceMs.empty() || contender.repaintMs.empty() ||
            contender.workingSet.empty()) {
            std::fprintf(stderr, "no complete paint seen of the %s (%d failed runs)\n",
                         contender.name, failures);
            return 1;
        }
    std::printf("runs: %zu each (%d failed), face %dx%d\n", contenders[0].faceMs.size(), failures,
                whole.width(), whole.height());
    for (const Contender& contender : contenders)
        std::printf("%-18s first complete paint %6.1f ms (window visible %6.1f ms), "
                    "full repaint %6.3f ms, working set %5.1f MB\n",
                    contender.name, Median(contender.faceMs), Median(contender.windowMs),
                    Median(contender.repaintMs), Median(contender.workingSet) / 1048576);
    const Contender& bare = contenders[1];
    const Contender& withButtons = contenders[2];
    PrintRatio("first complete paint against the floor", Median(contenders[0].faceMs),
               Median(bare.faceMs), "ms", "1.15");
    std::printf("  median of the ratios within each round: %.3f\n", Median(roundRatios));
    PrintRatio("full repaint against the floor with buttons", Median(contenders[0].repaintMs),
               Median(withButtons.repaintMs), "ms", "1.2");
    PrintRatio("working set against the floor with buttons",
               Median(contenders[0].workingSet) / 1048576, Median(withButtons.workingSet) / 1048576,
               "MB", "1.2");
    PrintRatio("working set against the bare floor", Median(contenders[0].workingSet) / 1048576,
               Median(bare.workingSet) / 1048576, "MB", "1.2");
    return 0;
}
