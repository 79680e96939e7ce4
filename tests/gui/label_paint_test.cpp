// The label's painting, read back from surfaces the tests own.
#include "controls/gradient_bands.h"
#include "label_host.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr COLORREF kFrom = RGB(10, 200, 30);
constexpr COLORREF kTo = RGB(250, 20, 130);

// Runs of equal colour along one row.
std::vector<int> RunLengths(const Canvas& canvas, int y) {
    std::vector<int> runs;
    for (int x = 0; x < canvas.width(); ++x) {
        if (x == 0 || canvas.Pixel(x, y) != canvas.Pixel(x - 1, y))
            runs.push_back(0);
        ++runs.back();
    }
    return runs;
}

std::vector<bool> Shifted(const std::vector<bool>& mask, int width, int height, int dx, int dy) {
    std::vector<bool> out(mask.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int sx = x - dx, sy = y - dy;
            if (sx >= 0 && sy >= 0 && sx < width && sy < height)
                out[static_cast<size_t>(y * width + x)] =
                    mask[static_cast<size_t>(sy * width + sx)];
        }
    return out;
}

TEST(LabelPaint, GradientShowsAHundredBandsOrOneBandPerColumn) {
    struct Case {
        int width;
        int bands;
        int bandWidth;
    };
    for (const Case c : {Case{200, 100, 2}, Case{100, 100, 1}, Case{60, 60, 1}, Case{1, 1, 1}}) {
        SCOPED_TRACE(c.width);
        BoundLabel bound(0, c.width, 20, "");
        bound.label.SetBackgroundColor(kFrom, kTo, true);
        Canvas canvas(c.width, 20, kMagenta);
        canvas.PaintFrom(bound.host.control());

        const std::vector<int> runs = RunLengths(canvas, 10);
        ASSERT_EQ(runs.size(), static_cast<size_t>(c.bands));
        EXPECT_TRUE(std::all_of(runs.begin(), runs.end(), [&](int n) { return n == c.bandWidth; }));
        EXPECT_EQ(canvas.Pixel(0, 0), kFrom);
        // Every column in its band's colour, from the top row to the second last.
        for (const GradientBand& band : GradientBands(0, 0, c.width, 20, kFrom, kTo, 100))
            for (int x = band.left; x < band.right - 1; ++x) {
                EXPECT_EQ(canvas.Pixel(x, 0), band.colour) << x;
                EXPECT_EQ(canvas.Pixel(x, 18), band.colour) << x;
            }
    }
}

TEST(LabelPaint, DrawGradientFillsAllButTheBottomRowOfItsRectangle) {
    Canvas canvas(50, 30, kMagenta);
    CLabel::DrawGradient(canvas.dc(), RECT{5, 5, 45, 25}, kFrom, kTo, 100);
    const PixelBox painted = [&] {
        PixelBox box{50, 30, -1, -1};
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 50; ++x)
                if (canvas.Pixel(x, y) != kMagenta) {
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x);
                    box.bottom = std::max(box.bottom, y);
                }
        return box;
    }();
    EXPECT_EQ(painted.left, 5);
    EXPECT_EQ(painted.top, 5);
    EXPECT_EQ(painted.right, 44);
    EXPECT_EQ(painted.bottom, 23);
    EXPECT_EQ(canvas.Count(kMagenta), 50 * 30 - 40 * 19); // nothing else touched
    EXPECT_EQ(RunLengths(canvas, 10).size(), 40u + 2u);   // 40 bands between two margins
}

TEST(LabelPaint, BackgroundIsButtonFaceUntilAColourIsSet) {
    BoundLabel bound(0, 40, 20, "");
    Canvas canvas(40, 20, kMagenta);
    canvas.PaintFrom(bound.host.control());
    EXPECT_EQ(canvas.Count(::GetSysColor(COLOR_BTNFACE)), 40 * 20);

    bound.label.SetBackgroundColor(kBlue);
    canvas.PaintFrom(bound.host.control());
    EXPECT_EQ(canvas.Count(kBlue), 40 * 20);
}

TEST(LabelPaint, TransparentLabelLeavesWhatLiesBeneathAndOpaqueAgainFillsIt) {
    BoundLabel bound(0, 80, 24, "HH");
    bound.label.SetBackgroundColor(kBlue).SetTextColor(kRed).SetTransparent(true);
    EXPECT_TRUE(::GetWindowLongA(bound.host.control(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    Canvas canvas(80, 24, kMagenta);
    canvas.PaintFrom(bound.host.control());
    const int ink = canvas.Count(kRed);
    EXPECT_GT(ink, 20);
    EXPECT_EQ(canvas.Count(kMagenta), 80 * 24 - ink);

    bound.label.SetTransparent(false);
    // The window keeps the transparent style; the label paints its background again.
    EXPECT_TRUE(::GetWindowLongA(bound.host.control(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    canvas.Fill(kMagenta);
    canvas.PaintFrom(bound.host.control());
    EXPECT_EQ(canvas.Count(kMagenta), 0);
    EXPECT_EQ(canvas.Count(kBlue), 80 * 24 - ink);
}

TEST(LabelPaint, EmbossCopyLiesOnePixelOffOnTopOfTheText) {
    BoundLabel bound(SS_CENTER, 80, 30, "Hi");
    bound.label.SetBackgroundColor(kWhite).SetTextColor(kBlack).SetEmbossColor(kRed);
    Canvas canvas(80, 30, kMagenta);
    canvas.PaintFrom(bound.host.control());
    const std::vector<bool> text = canvas.Mask(kBlack);
    ASSERT_GT(canvas.Count(kBlack), 20);

    for (const bool lowerRight : {true, false}) {
        SCOPED_TRACE(lowerRight);
        bound.label.SetTextEmboss(true, lowerRight);
        canvas.PaintFrom(bound.host.control());
        const int shift = lowerRight ? 1 : -1;
        const std::vector<bool> copy = Shifted(text, 80, 30, shift, shift);
        EXPECT_EQ(canvas.Mask(kRed), copy);
        // What the copy does not cover of the first drawing stays in the text colour.
        std::vector<bool> uncovered(text.size());
        for (size_t i = 0; i < text.size(); ++i)
            uncovered[i] = text[i] && !copy[i];
        EXPECT_EQ(canvas.Mask(kBlack), uncovered);
    }
}

TEST(LabelPaint, RotatedTextStartsItsBaselineAtTheCentre) {
    // 120 × 41: the centre is (60, 20), halves cut toward zero.
    BoundLabel bound(0, 120, 41, "HHH");
    bound.label.SetBackgroundColor(kWhite).SetTextColor(kBlack);
    Canvas canvas(120, 41, kMagenta);

    bound.label.SetRotationAngle(0, true);
    canvas.PaintFrom(bound.host.control());
    PixelBox ink = canvas.BoundsOf(kBlack);
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.left, 60);
    EXPECT_LE(ink.left, 62);   // H has next to no side bearing
    EXPECT_EQ(ink.bottom, 19); // sits on the baseline at row 20

    // Turned a quarter counter-clockwise, the text runs up from the centre.
    bound.label.SetRotationAngle(90, true);
    canvas.PaintFrom(bound.host.control());
    ink = canvas.BoundsOf(kBlack);
    ASSERT_FALSE(ink.empty());
    EXPECT_EQ(ink.right, 59);
    EXPECT_LE(ink.bottom, 20);
    EXPECT_GE(ink.bottom, 17);
    EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left);
}

TEST(LabelPaint, RotatedTextIgnoresAlignmentAndEmboss) {
    BoundLabel left(0, 120, 40, "HHH");
    BoundLabel right(SS_RIGHT | SS_CENTERIMAGE, 120, 40, "HHH");
    for (BoundLabel* bound : {&left, &right})
        bound->label.SetBackgroundColor(kWhite).SetTextColor(kBlack).SetRotationAngle(30, true);
    right.label.SetTextEmboss(true, true).SetEmbossColor(kRed);
    Canvas a(120, 40, kMagenta), b(120, 40, kMagenta);
    a.PaintFrom(left.host.control());
    b.PaintFrom(right.host.control());
    EXPECT_GT(a.Count(kBlack), 20);
    EXPECT_EQ(a.Mask(kBlack), b.Mask(kBlack));
    EXPECT_EQ(b.Count(kRed), 0);
}

TEST(LabelPaint, CentreImageStyleCentresOneLineBothWaysAndBrokenTextAcrossOnly) {
    BoundLabel plain(0, 160, 60, "HHH");
    BoundLabel oneLine(SS_CENTERIMAGE | SS_RIGHT, 160, 60, "HHH");
    BoundLabel twoLines(SS_CENTERIMAGE, 160, 60, "HH\r\nHHHH");
    Canvas canvas(160, 60, kMagenta);
    auto ink = [&](BoundLabel& bound) {
        bound.label.SetBackgroundColor(kWhite).SetTextColor(kBlack);
        canvas.PaintFrom(bound.host.control());
        const PixelBox box = canvas.BoundsOf(kBlack);
        EXPECT_FALSE(box.empty()) << "nothing drawn: positions would compare empty boxes";
        return box;
    };

    const PixelBox topLeft = ink(plain);
    EXPECT_LE(topLeft.left, 2);
    EXPECT_LE(topLeft.top, 6);

    const PixelBox centred = ink(oneLine);
    EXPECT_NEAR(centred.left + centred.right + 1, 160, 3);
    EXPECT_NEAR(centred.top + centred.bottom + 1, 60, 6);

    const PixelBox across = ink(twoLines);
    EXPECT_NEAR(across.left + across.right + 1, 160, 3);
    EXPECT_EQ(across.top, topLeft.top);        // from the top, not centred down
    EXPECT_GT(across.bottom - across.top, 16); // both lines kept
    // The short first line is centred on its own.
    PixelBox firstLine{160, 0, -1, 0};
    for (int y = across.top; y < across.top + 8; ++y)
        for (int x = 0; x < 160; ++x)
            if (canvas.Pixel(x, y) == kBlack) {
                firstLine.left = std::min(firstLine.left, x);
                firstLine.right = std::max(firstLine.right, x);
            }
    EXPECT_NEAR(firstLine.left + firstLine.right + 1, 160, 3);
    EXPECT_GT(firstLine.left, across.left + 5);
}

TEST(LabelPaint, PasswordPromptWrapsGreenTextOnWhiteAtWordBoundaries) {
    GdiObject<HFONT> dialogFont(CreateCrispFont(-11, "MS Shell Dlg"));
    LabelHost host(SS_LEFT, 200, 40,
                   "Please enter a security authorization password that is 4 characters or "
                   "longer.",
                   dialogFont.get());
    CLabel prompt;
    ASSERT_TRUE(prompt.SubclassWindow(host.control()));
    const COLORREF darkGreen = 0x00004000;
    prompt.SetBackgroundColor(kWhite).SetTextColor(darkGreen).SetFontSize(8).SetFontBold(false);

    Canvas canvas(200, 40, kMagenta);
    canvas.PaintFrom(host.control());
    const int green = canvas.Count(darkGreen);
    EXPECT_GT(green, 100);
    EXPECT_EQ(canvas.Count(kWhite) + green, 200 * 40); // nothing but the two colours
    EXPECT_LE(canvas.BoundsOf(darkGreen).left, 2);
    // Two or more lines: rows with ink, then an empty row, then ink again.
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < 40; ++y) {
        bool any = false;
        for (int x = 0; x < 200 && !any; ++x)
            any = canvas.Pixel(x, y) == darkGreen;
        lines += any && !inLine;
        inLine = any;
    }
    EXPECT_GE(lines, 2);
}

TEST(LabelPaint, WindowPaintingMatchesPaintingIntoAGivenSurface) {
    BoundLabel bound(SS_CENTER, 100, 30, "Shown", true);
    bound.label.SetBackgroundColor(kFrom, kTo, true).SetTextColor(kBlack).SetTextEmboss(true, true);
    ::RedrawWindow(bound.host.control(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    Canvas fromWindow(100, 30, kMagenta);
    WindowDC window(bound.host.control());
    ::BitBlt(fromWindow.dc(), 0, 0, 100, 30, window.get(), 0, 0, SRCCOPY);
    Canvas given(100, 30, kMagenta);
    given.PaintFrom(bound.host.control());

    EXPECT_GT(given.Count(kBlack), 20);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(fromWindow.Pixel(x, y), given.Pixel(x, y)) << x << "," << y;
}

} // namespace
