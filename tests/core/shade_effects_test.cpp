#include "controls/shade_effects.h"
#include "shade_reference.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::uint8_t kPadding = 0xA5;

std::size_t DibStride(int width) {
    return ((std::size_t(width) * 8 + 31) / 32) * 4;
}

struct Shaded {
    std::vector<std::uint8_t> product;
    std::vector<std::uint8_t> reference;
};

// Shades one image with the product and with the reference, each from its own
// generator, which both carry on from where they were.
Shaded ShadeBoth(int width, int height, std::size_t stride, std::uint32_t effect, int g,
                 CrtRandom& random, ReferenceRandom& referenceRandom) {
    Shaded out;
    out.product.assign(stride * std::size_t(height), kPadding);
    out.reference = out.product;
    ShadeIndexImage({out.product.data(), width, height, stride}, effect,
                    static_cast<std::uint8_t>(g), random);
    ReferenceShade(out.reference, width, height, stride, effect, g, referenceRandom);
    return out;
}

// The first byte where two images differ, described for a failure message.
std::string FirstDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b,
                            std::size_t stride) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return "line " + std::to_string(i / stride) + " column " + std::to_string(i % stride) +
                   ": " + std::to_string(a[i]) + " instead of " + std::to_string(b[i]);
    return "";
}

TEST(CrtRandom, ReproducesTheRuntimeSequenceFromStateOne) {
    CrtRandom random;
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected)
        EXPECT_EQ(random.Next(), value);
    random.Restart();
    EXPECT_EQ(random.Next(), 41);
}

TEST(CrtRandom, EachThreadStartsItsOwnSequence) {
    UiThreadRandom().Restart();
    UiThreadRandom().Next();
    int other = -1;
    std::thread([&] { other = UiThreadRandom().Next(); }).join();
    EXPECT_EQ(other, 41);
    EXPECT_EQ(UiThreadRandom().Next(), 18467);
}

struct Size {
    int width;
    int height;
};

// Widths and heights where the arithmetic has edges: one pixel, narrower than
// a bevel, odd and even, the forms' sizes, and beyond the draws' range.
const Size kSizes[] = {{1, 1},     {5, 1},     {5, 2},    {5, 7},   {6, 6},
                       {7, 3},     {12, 1},    {13, 2},   {99, 1},  {100, 30},
                       {101, 31},  {200, 40},  {640, 48}, {3, 640}, {40000, 2},
                       {2, 40000}, {33000, 3}, {0, 5},    {5, 0}};
const std::uint32_t kEffects[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 255};
const int kGranularities[] = {0, 1, 8, 64, 127, 128, 200, 255};

TEST(ShadeIndexImage, MatchesThePerPixelFormulasForEverySizeEffectAndGrain) {
    for (const Size& size : kSizes) {
        for (std::uint32_t effect : kEffects) {
            for (int g : kGranularities) {
                // A stride with extra padding shows that only the pixels are written.
                const std::size_t stride = DibStride(size.width) + 3;
                CrtRandom random;
                ReferenceRandom referenceRandom;
                const Shaded shaded =
                    ShadeBoth(size.width, size.height, stride, effect, g, random, referenceRandom);
                ASSERT_EQ(shaded.product, shaded.reference)
                    << size.width << "x" << size.height << " effect " << effect << " g " << g
                    << ", " << FirstDifference(shaded.product, shaded.reference, stride);
                // Both drew the same number of values.
                ASSERT_EQ(random.Next(), referenceRandom.Next())
                    << size.width << "x" << size.height << " effect " << effect << " g " << g;
            }
        }
    }
}

TEST(ShadeIndexImage, WritesNoPaddingExceptTheScratchesClearingTheirImage) {
    const int width = 5;
    const std::size_t stride = DibStride(width) + 4;
    for (std::uint32_t effect : kEffects) {
        std::vector<std::uint8_t> pixels(stride * 4, kPadding);
        CrtRandom random;
        ShadeIndexImage({pixels.data(), width, 4, stride}, effect, 8, random);
        for (int r = 0; r < 4; ++r)
            for (std::size_t x = width; x < stride; ++x)
                EXPECT_EQ(pixels[r * stride + x], effect == SHADE_SCRATCHES ? 0 : kPadding)
                    << "effect " << effect << " line " << r << " byte " << x;
    }
}

TEST(ShadeIndexImage, ButtonsShadedInSequenceMatchTheReferenceAndCarryTheGenerator) {
    // The forms shade their buttons one after another from one generator: the
    // images depend on everything shaded before.
    struct Button {
        Size size;
        std::uint32_t effect;
        int g;
    };
    const Button buttons[] = {{{200, 40}, SHADE_BEVEL, 8},      {{150, 25}, SHADE_BEVEL, 8},
                              {{81, 17}, SHADE_SCRATCHES, 8},   {{64, 64}, SHADE_CUSHION, 20},
                              {{33, 9}, SHADE_COLUMN_CURVE, 3}, {{200, 40}, SHADE_BEVEL, 8},
                              {{1, 1}, SHADE_BEVEL, 8},         {{120, 30}, SHADE_DIAGONAL, 10}};
    CrtRandom random;
    ReferenceRandom referenceRandom;
    std::vector<std::vector<std::uint8_t>> firstRun;
    for (const Button& b : buttons) {
        const std::size_t stride = DibStride(b.size.width);
        Shaded shaded =
            ShadeBoth(b.size.width, b.size.height, stride, b.effect, b.g, random, referenceRandom);
        ASSERT_EQ(shaded.product, shaded.reference)
            << b.size.width << "x" << b.size.height << " effect " << b.effect << ", "
            << FirstDifference(shaded.product, shaded.reference, stride);
        firstRun.push_back(std::move(shaded.product));
    }
    // The two 200x40 bevels differ: the generator went on between them.
    EXPECT_NE(firstRun[0], firstRun[5]);

    // A second run from the thread's restarted generator gives the same images.
    UiThreadRandom().Restart();
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        const Button& b = buttons[i];
        const std::size_t stride = DibStride(b.size.width);
        std::vector<std::uint8_t> again(stride * std::size_t(b.size.height), kPadding);
        ShadeIndexImage({again.data(), b.size.width, b.size.height, stride}, b.effect,
                        static_cast<std::uint8_t>(b.g), UiThreadRandom());
        EXPECT_EQ(again, firstRun[i]) << "button " << i;
    }
}

TEST(ShadeIndexImage, FirstBevelOfARunGetsTheKnownGrainsOnItsBottomLine) {
    const int width = 200;
    const int height = 40;
    const std::size_t stride = DibStride(width);
    std::vector<std::uint8_t> pixels(stride * height);
    CrtRandom random;
    ShadeIndexImage({pixels.data(), width, height, stride}, SHADE_BEVEL, 8, random);

    // Pass 1 stores 19 at the bottom line and adds the grains -8, 1, -5, 4, 1
    // (draws 41, 18467, 6334, 26500, 19169 divided by 2047, less 8); the bottom
    // line is outside both bevels, so pass 2 only adds its own grain.
    const int pass1Grain[] = {-8, 1, -5, 4, 1};
    CrtRandom pass2;
    for (int i = 0; i < width * height; ++i)
        pass2.Next();
    for (int x = 0; x < 5; ++x) {
        const int pass2Grain = pass2.Next() / 2047 - 8;
        EXPECT_EQ(pixels[x], 19 + pass1Grain[x] + pass2Grain) << "x " << x;
    }
}

TEST(ShadeIndexImage, BevelsOfAHundredPixelButtonAtTheMiddleLine) {
    // Granularity 0: the grain is 0 unless a draw is exactly 32767.
    const int width = 100;
    const int height = 30;
    const std::size_t stride = DibStride(width);
    std::vector<std::uint8_t> pixels(stride * height);
    CrtRandom random;
    ShadeIndexImage({pixels.data(), width, height, stride}, SHADE_BEVEL, 0, random);
    const std::uint8_t* middle = pixels.data() + stride * (height / 2);
    int left = 0;
    int right = 0;
    for (int x = 0; x < width; ++x) {
        if (x < 16) {
            EXPECT_EQ(middle[x], 255 - 8 * x) << x;
            ++left;
        } else if (x > 84) {
            EXPECT_EQ(middle[x], 8 * (width - x)) << x;
            ++right;
        } else {
            EXPECT_EQ(middle[x], 128) << x; // the curve is flat at the middle
        }
    }
    EXPECT_EQ(left, 16);
    EXPECT_EQ(right, 15);
}

TEST(ShadeIndexImage, NarrowButtonsHaveNoBevels) {
    for (int width = 1; width < 6; ++width) {
        const int height = 10;
        const std::size_t stride = DibStride(width);
        std::vector<std::uint8_t> bevel(stride * height);
        CrtRandom random;
        ShadeIndexImage({bevel.data(), width, height, stride}, SHADE_BEVEL, 0, random);
        // With g = 0 pass 2 adds nothing (no draw of 32767 this early), so the
        // image is pass 1 alone: one value per line, the same in every column.
        for (int r = 0; r < height; ++r)
            for (int x = 1; x < width; ++x)
                EXPECT_EQ(bevel[r * stride + x], bevel[r * stride]) << width << " " << r;
    }
}

TEST(ShadeIndexImage, GrainOfGranularityZeroIsZeroSaveForTheTopDraw) {
    // 32767 / max(1, 0) = 32767: only a draw of exactly 32767 adds 1.
    CrtRandom probe;
    int topDraw = -1;
    for (int i = 0; i < 200000 && topDraw < 0; ++i)
        if (probe.Next() == 32767)
            topDraw = i;
    ASSERT_GE(topDraw, 0);
    const int width = topDraw + 1;
    const std::size_t stride = DibStride(width);
    std::vector<std::uint8_t> pixels(stride);
    CrtRandom random;
    ShadeIndexImage({pixels.data(), width, 1, stride}, SHADE_GRAIN, 0, random);
    for (int x = 0; x < width; ++x)
        ASSERT_EQ(pixels[x], x == topDraw ? 129 : 128) << x;
}

TEST(ShadeIndexImage, OutOfRangeEffectsShadeAsGrain) {
    for (std::uint32_t effect : {9u, 255u, 0xFFFFFFFFu}) {
        std::vector<std::uint8_t> grain(8 * 3);
        std::vector<std::uint8_t> other(8 * 3);
        CrtRandom a;
        CrtRandom b;
        ShadeIndexImage({grain.data(), 8, 3, 8}, SHADE_GRAIN, 8, a);
        ShadeIndexImage({other.data(), 8, 3, 8}, effect, 8, b);
        EXPECT_EQ(grain, other) << effect;
    }
}

TEST(ShadeIndexImage, ScratchesOfAnEmptyImageDrawNothing) {
    // Zero width or height: nothing to scratch and no draws. (Images beyond
    // 32767 are in the reference comparison, under the sanitizers.)
    CrtRandom random;
    std::vector<std::uint8_t> bytes(16, kPadding);
    ShadeIndexImage({bytes.data(), 0, 4, DibStride(0)}, SHADE_SCRATCHES, 8, random);
    ShadeIndexImage({bytes.data(), 4, 0, DibStride(4)}, SHADE_SCRATCHES, 8, random);
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(16, kPadding));
}

} // namespace
