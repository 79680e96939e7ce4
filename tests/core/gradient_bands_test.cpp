#include "controls/gradient_bands.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}

struct Shape {
    const char* name;
    int left, right, steps;
    size_t bands;
    int bandWidth; // of every band but the last
    int lastWidth;
};

void PrintTo(const Shape& s, std::ostream* out) {
    *out << s.name;
}

class GradientShape : public testing::TestWithParam<Shape> {};

TEST_P(GradientShape, BandsTileTheWidthLeftToRightWithTheRemainderInTheLast) {
    const Shape& s = GetParam();
    const auto bands = GradientBands(s.left, 3, s.right, 40, 0, Rgb(255, 255, 255), s.steps);
    ASSERT_EQ(bands.size(), s.bands);
    int x = s.left;
    for (size_t i = 0; i < bands.size(); ++i) {
        SCOPED_TRACE(i);
        // Corners one beyond the covered columns: the primitive leaves that edge out.
        EXPECT_EQ(bands[i].left, x);
        const int covered = bands[i].right - 1 - bands[i].left;
        EXPECT_EQ(covered, i + 1 == bands.size() ? s.lastWidth : s.bandWidth);
        EXPECT_EQ(bands[i].top, 3);
        EXPECT_EQ(bands[i].bottom, 40);
        x = bands[i].right - 1;
    }
    EXPECT_EQ(x, s.right);
}

INSTANTIATE_TEST_SUITE_P(Widths, GradientShape,
                         testing::Values(Shape{"HundredStepsOnTwoHundred", 0, 200, 100, 100, 2, 2},
                                         Shape{"RemainderInTheLastBand", 0, 205, 100, 100, 2, 7},
                                         Shape{"NarrowerThanTheSteps", 0, 50, 100, 50, 1, 1},
                                         Shape{"OffsetRectangle", 10, 30, 100, 20, 1, 1},
                                         Shape{"ExactlyTheSteps", 0, 100, 100, 100, 1, 1},
                                         Shape{"OneStepIsOneBand", 4, 64, 1, 1, 0, 60},
                                         Shape{"OneColumn", 7, 8, 100, 1, 0, 1},
                                         Shape{"NegativeCoordinates", -50, 50, 10, 10, 10, 10}),
                         [](const testing::TestParamInfo<Shape>& info) { return info.param.name; });

TEST(GradientBands, NothingForAnEmptyOrInvertedWidthOrNoSteps) {
    EXPECT_TRUE(GradientBands(0, 0, 0, 10, 0, 0xFFFFFF, 100).empty());
    EXPECT_TRUE(GradientBands(20, 0, 10, 10, 0, 0xFFFFFF, 100).empty());
    EXPECT_TRUE(GradientBands(0, 0, 100, 10, 0, 0xFFFFFF, 0).empty());
    EXPECT_TRUE(GradientBands(0, 0, 100, 10, 0, 0xFFFFFF, -5).empty());
}

TEST(GradientBands, ColoursStepIn256thsAndTruncate) {
    // Red 0 to 255 in 100 steps: 255 * 256 / 100 = 652 per band (652.8 cut).
    const auto rising = GradientBands(0, 0, 200, 10, Rgb(0, 0, 0), Rgb(255, 0, 0), 100);
    ASSERT_EQ(rising.size(), 100u);
    EXPECT_EQ(rising[0].colour, Rgb(0, 0, 0));
    EXPECT_EQ(rising[1].colour, Rgb(2, 0, 0));    // 652 / 256
    EXPECT_EQ(rising[50].colour, Rgb(127, 0, 0)); // 32600 / 256
    EXPECT_EQ(rising[99].colour, Rgb(252, 0, 0)); // 64548 / 256: never quite the end
    // On 50 columns there are 50 bands: 255 * 256 / 50 = 1305 (1305.6 cut).
    const auto narrow = GradientBands(0, 0, 50, 10, Rgb(0, 0, 0), Rgb(0, 0, 255), 100);
    ASSERT_EQ(narrow.size(), 50u);
    EXPECT_EQ(narrow[1].colour, Rgb(0, 0, 5));    // 1305 / 256
    EXPECT_EQ(narrow[49].colour, Rgb(0, 0, 249)); // 63945 / 256
}

TEST(GradientBands, FallingComponentsTruncateTowardZeroEachOnItsOwn) {
    // Blue 255 to 0: -652.8 cuts to -652; green 128 to 0: -327.68 to -327;
    // red 16 to 80: 163.84 to 163.
    const auto bands = GradientBands(0, 0, 100, 10, Rgb(16, 128, 255), Rgb(80, 0, 0), 100);
    ASSERT_EQ(bands.size(), 100u);
    EXPECT_EQ(bands[0].colour, Rgb(16, 128, 255));
    EXPECT_EQ(bands[1].colour, Rgb(16, 126, 252)); // 4259/256, 32441/256, 64628/256
    EXPECT_EQ(bands[99].colour, Rgb(79, 1, 2));    // 20233/256, 395/256, 733/256
}

TEST(GradientBands, OneBandKeepsTheStartColourAndIgnoresTheHighByte) {
    const auto one = GradientBands(0, 0, 30, 10, 0xAA123456, 0x00FFFFFF, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].colour, 0x00123456u);
}

TEST(GradientBands, TheWidestRectangleDoesNotOverflow) {
    const auto bands = GradientBands(INT_MIN, 0, INT_MAX, 1, 0, 0xFFFFFF, 3);
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0].left, INT_MIN);
    EXPECT_EQ(bands[1].left, bands[0].right - 1);
    EXPECT_EQ(bands[2].right, INT_MAX); // kept at the largest int
}

} // namespace
