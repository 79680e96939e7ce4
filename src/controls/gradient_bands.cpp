#include "controls/gradient_bands.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kComponents = 3;

int Component(Colour colour, int index) {
    return static_cast<int>((colour >> (8 * index)) & 0xFF);
}

} // namespace

std::vector<GradientBand> GradientBands(int left, int top, int right, int bottom, Colour from,
                                        Colour to, int steps) {
    std::vector<GradientBand> bands;
    // 64-bit so that no rectangle, however wide, overflows the arithmetic.
    const long long width = static_cast<long long>(right) - left;
    if (width <= 0 || steps <= 0)
        return bands;
    const long long count = steps < width ? steps : width;
    const long long divisor = count > 1 ? count : 1;

    long long value[kComponents];
    long long step[kComponents];
    for (int c = 0; c < kComponents; ++c) {
        value[c] = Component(from, c) * 256LL;
        step[c] = (Component(to, c) - Component(from, c)) * 256LL / divisor;
    }
    const long long bandWidth = width / divisor;

    bands.reserve(static_cast<size_t>(count));
    long long x = left;
    for (long long i = 0; i < count; ++i) {
        const long long xEnd = i == count - 1 ? right : x + bandWidth;
        Colour colour = 0;
        for (int c = 0; c < kComponents; ++c)
            colour |= static_cast<Colour>(value[c] / 256) << (8 * c);
        // The primitive takes ints: an edge at the largest int stays there.
        const long long corner = std::min<long long>(xEnd + 1, INT_MAX);
        bands.push_back({static_cast<int>(x), top, static_cast<int>(corner), bottom, colour});
        x = xEnd;
        for (int c = 0; c < kComponents; ++c)
            value[c] += step[c];
    }
    return bands;
}
