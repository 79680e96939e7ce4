// Gradient bands over any rectangle and colours. The step count is bounded as
// the label bounds it, so that the band list tests the arithmetic, not memory.
#include "controls/gradient_bands.h"

#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kMostSteps = 256; // the label asks for 100

int ComponentOf(Colour colour, int index) {
    return static_cast<int>((colour >> (8 * index)) & 0xFF);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int left = input.ConsumeIntegral<int>();
    const int top = input.ConsumeIntegral<int>();
    const int right = input.ConsumeIntegral<int>();
    const int bottom = input.ConsumeIntegral<int>();
    const Colour from = input.ConsumeIntegral<Colour>();
    const Colour to = input.ConsumeIntegral<Colour>();
    const int steps = input.ConsumeIntegralInRange(-1, kMostSteps);

    const std::vector<GradientBand> bands =
        GradientBands(left, top, right, bottom, from, to, steps);
    const long long width = static_cast<long long>(right) - left;
    if (width <= 0 || steps <= 0) {
        Require(bands.empty());
        return 0;
    }
    Require(!bands.empty() &&
            static_cast<long long>(bands.size()) <= std::min<long long>(steps, width));
    // Side by side from the left edge to the right one, each colour between the two ends.
    Require(bands.front().left == left);
    Require(bands.back().right == (right == INT_MAX ? INT_MAX : right + 1));
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const GradientBand& band = bands[i];
        Require(band.top == top && band.bottom == bottom && band.left <= band.right);
        if (i > 0)
            Require(band.left == bands[i - 1].right - 1 || bands[i - 1].right == INT_MAX);
        for (int c = 0; c < 3; ++c) {
            const int value = ComponentOf(band.colour, c);
            Require(value >= std::min(ComponentOf(from, c), ComponentOf(to, c)) &&
                    value <= std::max(ComponentOf(from, c), ComponentOf(to, c)));
        }
        Require((band.colour >> 24) == 0);
    }
    return 0;
}
