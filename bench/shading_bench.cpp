// Shading of the forms' buttons (SHADE_BEVEL, granularity 8, highlight 10,
// colouring 0, colour 0; ten buttons of 200 x 40) against the floor of that
// work: the same number of random draws alone. Prints ns per pixel and the
// ratio of the two, both measured in this run.
#include "controls/crt_random.h"
#include "controls/shade_effects.h"
#include "controls/shade_palette.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kButtons = 10;
constexpr int kWidth = 200;
constexpr int kHeight = 40;
constexpr int kPixels = kButtons * kWidth * kHeight;
constexpr int kDrawsPerPixel = 2; // the bevel's two passes
constexpr std::size_t kHeaderBytes = 40;
constexpr std::size_t kPaletteBytes = kShadePaletteEntries * kPaletteEntryBytes;

// Colours of a common desktop scheme (0x00BBGGRR).
constexpr std::uint32_t kHighlight = 0xFFFFFF;
constexpr std::uint32_t kFace = 0xD8E9EC;
constexpr std::uint32_t kShadow = 0x99A8AC;

// What ApplyShading does for one button, on blocks laid out like the bitmap's:
// header, palette, pixels in one allocation for each of the two images.
void ShadeOneButton(CrtRandom& random) {
    const std::size_t stride = ((std::size_t(kWidth) * 8 + 31) / 32) * 4;
    const std::size_t total = kHeaderBytes + kPaletteBytes + stride * kHeight;
    std::vector<std::uint8_t> normal(total);
    std::uint8_t* palette = normal.data() + kHeaderBytes;
    BuildShadePalette(palette, kHighlight, kFace, kShadow);
    TintPaletteEntries(palette, kShadePaletteEntries, 0, 0);
    ShadeIndexImage({palette + kPaletteBytes, kWidth, kHeight, stride}, SHADE_BEVEL, 8, random);
    std::vector<std::uint8_t> hover(total);
    std::memcpy(hover.data(), normal.data(), total);
    TintPaletteEntries(hover.data() + kHeaderBytes, kShadePaletteEntries, kHighlight, 10);
    benchmark::DoNotOptimize(hover.data());
    benchmark::ClobberMemory();
}

void BM_ShadeFormButtons(benchmark::State& state) {
    CrtRandom random;
    for (auto _ : state)
        for (int i = 0; i < kButtons; ++i)
            ShadeOneButton(random);
    state.SetItemsProcessed(state.iterations() * kPixels);
}

void BM_RandomDrawsAlone(benchmark::State& state) {
    CrtRandom random;
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < kPixels * kDrawsPerPixel; ++i)
            sum += random.Next();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
}

BENCHMARK(BM_ShadeFormButtons);
BENCHMARK(BM_RandomDrawsAlone);

// Keeps each benchmark's time per iteration to print the figures at the end.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                nanoseconds[run.benchmark_name()] = run.GetAdjustedCPUTime() * 1e9 /
                                                    benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto shade = reporter.nanoseconds.find("BM_ShadeFormButtons");
    const auto draws = reporter.nanoseconds.find("BM_RandomDrawsAlone");
    if (shade == reporter.nanoseconds.end() || draws == reporter.nanoseconds.end())
        return 0;
    std::printf("shading: %.3f ns per pixel; random draws alone: %.3f ns per pixel; "
                "ratio %.2f (goal <= 1.30)\n",
                shade->second / kPixels, draws->second / kPixels, shade->second / draws->second);
    benchmark::Shutdown();
    return 0;
}
