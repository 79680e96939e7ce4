// A plain per-pixel rendering of the shading effects, written straight from
// their formulas (no stepping, no tables), to check the product against.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The runtime's generator, written out once more on its own.
struct ReferenceRandom {
    std::uint32_t state = 1;
    int Next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

// Shades pixels (stride * height bytes, bottom line first) in place.
void ReferenceShade(std::vector<std::uint8_t>& pixels, int width, int height, std::size_t stride,
                    std::uint32_t effect, int granularity, ReferenceRandom& random);
