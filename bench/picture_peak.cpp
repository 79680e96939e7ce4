// The peak working set of holding one picture as the forms hold it: decoded,
// kept as a bitmap and made opaque.
//   picture_peak.exe PICTURE
// prints "WIDTHxHEIGHT<tab>peak MB<tab>held MB<tab>before MB". One picture a
// process: the peak never goes down.
#include "framework/image.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>

namespace {

double Megabytes(SIZE_T bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

PROCESS_MEMORY_COUNTERS Counters() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture_peak.exe PICTURE\n");
        return 2;
    }
    const SIZE_T before = Counters().PeakWorkingSetSize;
    CImage picture;
    if (FAILED(picture.Load(argv[1]))) {
        std::fprintf(stderr, "%s: not loaded\n", argv[1]);
        return 1;
    }
    picture.ComposeOverBlack();
    const PROCESS_MEMORY_COUNTERS after = Counters();
    std::printf("%dx%d\t%.0f\t%.0f\t%.0f\n", picture.GetWidth(), picture.GetHeight(),
                Megabytes(after.PeakWorkingSetSize), Megabytes(after.WorkingSetSize),
                Megabytes(before));
    return 0;
}
