#include "forms/form_layout.h"
#include "graphics/display_scale.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// Worked by hand: length * dpi / 96, halves away from zero; edges alike.
TEST(DisplayScale, LengthsRectanglesAndTheFittedScale) {
    const struct {
        int length, dpi, scaled;
    } lengths[] = {{640, 96, 640},  {640, 120, 800},         {640, 192, 1280},
                   {-15, 144, -23}, {15, 144, 23},           {13, 120, 16},
                   {-1, 144, -2},   {INT_MAX, 192, INT_MAX}, {INT_MIN, 192, INT_MIN}};
    for (const auto& c : lengths)
        EXPECT_EQ(ScaledLength(c.length, c.dpi), c.scaled) << c.length << " at " << c.dpi;
    const PixelRect r = ScaledRect({10, 21, 110, 51}, 144),
                    version = VersionTextRectangle(20, 330, 960, 600, 144);
    EXPECT_EQ(std::vector<int>({r.left, r.top, r.right, r.bottom, version.left, version.top,
                                version.right, version.bottom}),
              std::vector<int>({15, 32, 165, 77, 30, 495, 900, 600}));

    const struct {
        int dpi, width, height, workWidth, workHeight, fitted;
    } fits[] = {{144, 640, 400, 1024, 738, 144}, {192, 640, 400, 1024, 738, 153},
                {192, 640, 600, 1920, 700, 112}, {192, 2000, 400, 1024, 738, 96},
                {72, 640, 400, 1024, 738, 96},   {192, 640, 400, 0, 0, 192}};
    for (const auto& c : fits)
        EXPECT_EQ(FittedDpi(c.dpi, c.width, c.height, c.workWidth, c.workHeight), c.fitted)
            << c.dpi << " " << c.width << "x" << c.height;
}

TEST(DisplayScale, ThePictureForTheScaleIsTheSmallestNotBelowIt) {
    const struct {
        int dpi;
        bool has150, has200;
        int percent;
    } cases[] = {{96, true, true, 100},   {120, false, false, 100}, {120, true, true, 150},
                 {120, false, true, 200}, {144, false, true, 200},  {168, true, true, 200},
                 {168, true, false, 150}, {240, true, true, 200},   {192, false, false, 100}};
    for (const auto& c : cases)
        EXPECT_EQ(ChooseAssetPercent(c.dpi, c.has150, c.has200), c.percent) << c.dpi;
    EXPECT_EQ(ScaledAssetName("C:\\a.b\\form.png", 150), "C:\\a.b\\form.scale-150.png");
    EXPECT_EQ(ScaledAssetName("C:\\a.b\\form", 200), "C:\\a.b\\form.scale-200");
    EXPECT_EQ(ScaledAssetName("form.png", 100), "form.png");
    EXPECT_EQ(BaseLength(801, 200), 401);
}

// Worked by hand: the base length rounded, scaled back and rounded again.
TEST(DisplayScale, APictureMadeForTheScaleIsKeptWithinRounding) {
    const struct {
        int held, percent, length, dpi;
        bool kept;
    } cases[] = {{1000, 150, 1001, 144, true},  {1001, 150, 1001, 144, true},
                 {999, 200, 1000, 192, true},   {1000, 150, 1002, 144, false},
                 {1000, 150, 1001, 120, false}, {1000, 100, 1001, 97, false},
                 {998, 200, 1000, 192, false},  {640, 100, 640, 96, true}};
    for (const auto& c : cases)
        EXPECT_EQ(HeldAtScale(c.held, c.percent, c.length, c.dpi), c.kept)
            << c.held << " for " << c.percent << "% as " << c.length << " at " << c.dpi;
}

} // namespace
