// The nine shading effects over any size, padding, effect number and
// granularity. Images are bounded in bytes, as the buttons' own are, so that a
// run tests the effects and not memory: most are button-sized, a few are one
// line (or column) longer than 32767, where the scratches change their
// arithmetic.
#include "controls/shade_effects.h"

#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

constexpr int kMostButtonSide = 256;
constexpr std::size_t kMostButtonBytes = 2048;
constexpr int kMostStripSide = 33000;
constexpr std::uint8_t kPaddingMark = 0xA5;

struct ImageSize {
    int width;
    int height;
    std::size_t stride;
};

std::size_t PaddedStride(int width, FuzzedDataProvider& input) {
    // Lines padded to whole words, as bitmaps are, plus a few bytes more.
    return (static_cast<std::size_t>(width) + 3) / 4 * 4 +
           input.ConsumeIntegralInRange<std::size_t>(0, 8);
}

ImageSize ConsumeImageSize(FuzzedDataProvider& input) {
    ImageSize size{};
    // One input in thirty-two is a strip, lying or standing.
    if (input.ConsumeIntegralInRange(0, 31) == 0) {
        const int longSide = input.ConsumeIntegralInRange(0, kMostStripSide);
        const int shortSide = input.ConsumeIntegralInRange(0, 1);
        const bool standing = input.ConsumeBool();
        size.width = standing ? shortSide : longSide;
        size.height = standing ? longSide : shortSide;
        size.stride = PaddedStride(size.width, input);
        return size;
    }
    size.width = input.ConsumeIntegralInRange(0, kMostButtonSide);
    size.stride = PaddedStride(size.width, input);
    const std::size_t fitting = size.stride ? kMostButtonBytes / size.stride : kMostButtonBytes;
    size.height = input.ConsumeIntegralInRange(
        0, static_cast<int>(std::min<std::size_t>(fitting, kMostButtonSide)));
    return size;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint32_t effect = input.ConsumeIntegralInRange<std::uint32_t>(0, 10);
    const std::uint8_t granularity = input.ConsumeIntegral<std::uint8_t>();
    const auto [width, height, stride] = ConsumeImageSize(input);

    const std::size_t bytes = stride * static_cast<std::size_t>(height);
    const auto pixels = std::make_unique<std::uint8_t[]>(bytes);
    std::memset(pixels.get(), kPaddingMark, bytes);
    CrtRandom random;
    ShadeIndexImage(IndexImage{pixels.get(), width, height, stride}, effect, granularity, random);

    // Only the scratches touch the padding (they clear it).
    const std::uint8_t padding = effect == SHADE_SCRATCHES ? 0 : kPaddingMark;
    for (int r = 0; r < height; ++r)
        for (std::size_t x = static_cast<std::size_t>(width); x < stride; ++x)
            Require(pixels[static_cast<std::size_t>(r) * stride + x] == padding);
    return 0;
}
