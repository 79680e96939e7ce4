#include "forms/form_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(FormLayout, ButtonCountsBuildAtMostOneButtonPerSlot) {
    const struct {
        int count;
        int built;
    } cases[] = {{INT_MIN, 0}, {-1, 0},  {0, 0},   {1, 1},   {5, 5},
                 {9, 9},       {10, 10}, {11, 10}, {12, 10}, {INT_MAX, 10}};
    for (const auto& c : cases)
        EXPECT_EQ(ButtonsToBuild(c.count), c.built) << c.count;
}

TEST(FormLayout, ButtonSectionsAndIdentifiersFollowTheButtonsNumber) {
    EXPECT_EQ(ButtonSectionName("main", 1), "main.button1");
    EXPECT_EQ(ButtonSectionName("tools", 10), "tools.button10");
    EXPECT_EQ(ButtonSectionName("", 3), ".button3");
    EXPECT_EQ(ButtonCommandId(1), 10000);
    EXPECT_EQ(ButtonCommandId(10), 10009);
}

void ExpectRect(const PixelRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(FormLayout, ButtonRectanglesRunFromTheOriginOverTheSize) {
    ExpectRect(ButtonRectangle(10, 20, 100, 30), 10, 20, 110, 50);
    ExpectRect(ButtonRectangle(0, 0, 0, 0), 0, 0, 0, 0);
    ExpectRect(ButtonRectangle(-5, -6, 10, 3), -5, -6, 5, -3);
    ExpectRect(ButtonRectangle(10, 10, -4, 0), 10, 10, 6, 10);
}

TEST(FormLayout, HugeButtonSizesStopAtTheLimitsOfInt) {
    ExpectRect(ButtonRectangle(INT_MAX, 5, 100, INT_MAX), INT_MAX, 5, INT_MAX, INT_MAX);
    ExpectRect(ButtonRectangle(INT_MIN, INT_MIN, -1, INT_MIN), INT_MIN, INT_MIN, INT_MIN, INT_MIN);
    ExpectRect(ButtonRectangle(2000000000, 0, 2000000000, 1), 2000000000, 0, INT_MAX, 1);
}

TEST(FormLayout, VersionTextRectangleEndsFortyPixelsShortOfTheRightEdge) {
    ExpectRect(VersionTextRectangle(20, 330, 640, 480), 20, 330, 600, 480);
    // Beyond the right margin: empty, so nothing is drawn.
    const PixelRect beyond = VersionTextRectangle(610, 10, 640, 480);
    EXPECT_LE(beyond.right, beyond.left);
    ExpectRect(VersionTextRectangle(0, 0, 0, 0), 0, 0, -40, 0);
    ExpectRect(VersionTextRectangle(0, 0, INT_MIN, 0), 0, 0, INT_MIN, 0);
}

} // namespace
