#include "controls/caption_layout.h"
#include "controls/stepped_quotient.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

TEST(SteppedQuotient, FollowsTruncatingDivisionAcrossZero) {
    struct Case {
        std::int64_t start;
        std::int64_t step;
        std::int64_t divisor;
    };
    const Case cases[] = {{0, 255, 40},
                          {40 * 255, -255, 40},
                          {-127 * 100, 127, 100},
                          {1000, -7, 3},
                          {-1000, 7, 3},
                          {5, -1, 1},
                          {0, 0, 7},
                          {123, 10000, 9},
                          {-50, -13, 6},
                          {40000LL * 127, -127, 40000}};
    for (const Case& c : cases) {
        SteppedQuotient q(c.start, c.step, c.divisor);
        std::int64_t n = c.start;
        for (int i = 0; i < 3000; ++i, n += c.step, q.Advance())
            ASSERT_EQ(q.Value(), n / c.divisor)
                << c.start << " + " << i << " * " << c.step << " over " << c.divisor;
    }
}

TEST(DrawDivider, EqualsDivisionForEveryDrawAndEveryGrainDivisor) {
    // The divisors the shading uses: 32767 / max(1, 2g) for every byte g,
    // and the edges of the range.
    std::vector<std::uint32_t> divisors{1, 2, 3, 32766, 32767, 16384, 16383, 16385};
    for (int g = 0; g < 256; ++g)
        divisors.push_back(static_cast<std::uint32_t>(32767 / (g ? 2 * g : 1)));
    for (std::uint32_t divisor : divisors) {
        const DrawDivider divide(divisor);
        for (int draw = 0; draw <= 32767; ++draw)
            ASSERT_EQ(divide(draw), draw / static_cast<int>(divisor)) << draw << " / " << divisor;
    }
}

TEST(CentreBlock, CentresTheBlockInItsBoxBothWays) {
    struct Case {
        CaptionBox box;
        CaptionBox block;
        CaptionBox expected;
    };
    const Case cases[] = {
        // Even leftovers split equally.
        {{0, 0, 100, 30}, {0, 0, 40, 10}, {30, 10, 70, 20}},
        // Odd leftovers: the extra pixel stays right and below.
        {{0, 0, 101, 31}, {0, 0, 40, 10}, {30, 10, 70, 20}},
        // A box moved by the press shift keeps its offset.
        {{1, 1, 101, 31}, {1, 1, 41, 11}, {31, 11, 71, 21}},
        // A block wider or higher than its box moves left or up, truncating toward zero.
        {{0, 0, 20, 10}, {0, 0, 25, 13}, {-2, -1, 23, 12}},
        {{0, 0, 10, 10}, {0, 0, 10, 10}, {0, 0, 10, 10}},
        // Boxes spanning more than an int holds: worked out in full, edges held at the limits.
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         {INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10},
         {-6, -6, 4, 4}},
        {{0, 0, 10, 10}, {INT_MIN, 0, INT_MAX, 10}, {INT_MIN, 0, 5, 10}},
    };
    for (const Case& c : cases) {
        const CaptionBox got = CentreBlock(c.box, c.block);
        EXPECT_EQ(got.left, c.expected.left);
        EXPECT_EQ(got.top, c.expected.top);
        EXPECT_EQ(got.right, c.expected.right);
        EXPECT_EQ(got.bottom, c.expected.bottom);
    }
}

TEST(OffsetBox, HoldsEdgesAtTheLimitsOfInt) {
    const CaptionBox got = OffsetBox({INT_MIN, 0, INT_MAX - 1, 10}, 2, -1);
    EXPECT_EQ(got.left, INT_MIN + 2);
    EXPECT_EQ(got.top, -1);
    EXPECT_EQ(got.right, INT_MAX);
    EXPECT_EQ(got.bottom, 9);
    EXPECT_EQ(OffsetBox({INT_MIN + 1, 0, 0, 0}, -5, 0).left, INT_MIN);
}

} // namespace
