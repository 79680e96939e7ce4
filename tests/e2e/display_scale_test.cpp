// The launcher on displays of 96 to 192 DPI (the prefix's LogPixels, read by
// each program as it starts): forms fitted to the work area, dialogs.
#include "driver/user_input.h"
#include "launcher_fixture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Worked by hand: length * dpi / 96 to the nearest pixel.
int At(int length, int dpi) {
    return (length * dpi + 48) / 96;
}

// First and last-plus-one rows inside `box` with a pixel `ink` picks.
std::pair<int, int> InkRows(const ScreenImage& shot, RECT box, bool (*ink)(uint32_t)) {
    std::pair<int, int> rows{-1, 0};
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (ink(shot.at(x, y)))
                rows = {rows.first < 0 ? y : rows.first, y + 1};
    return rows;
}

// Grey levels of `box` stretched bilinearly to width x height, as the system
// stretches the window of a program unaware of the scale.
std::vector<double> Grey(const ScreenImage& shot, RECT box, int width, int height) {
    const int w = box.right - box.left, h = box.bottom - box.top;
    const auto grey = [&](double x, double y) {
        const uint32_t p =
            shot.at(box.left + std::min(int(x), w - 1), box.top + std::min(int(y), h - 1));
        return (RedOf(p) + GreenOf(p) + BlueOf(p)) / 3.0;
    };
    std::vector<double> out;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double sx = std::clamp((x + 0.5) * w / width - 0.5, 0.0, w - 1.0),
                         fx = sx - int(sx),
                         sy = std::clamp((y + 0.5) * h / height - 0.5, 0.0, h - 1.0),
                         fy = sy - int(sy);
            out.push_back((grey(sx, sy) * (1 - fx) + grey(sx + 1, sy) * fx) * (1 - fy) +
                          (grey(sx, sy + 1) * (1 - fx) + grey(sx + 1, sy + 1) * fx) * fy);
        }
    return out;
}

// Mean absolute difference of neighbouring pixels across the ink's edges
// (pairs further apart than the face's faint gradient), along the rows.
double EdgeContrast(const std::vector<double>& grey, int width) {
    double sum = 0, edges = 0;
    for (size_t i = 1; i < grey.size(); ++i)
        if (const double d = std::abs(grey[i] - grey[i - 1]); d > 24 && i % width)
            sum += d, ++edges;
    return sum / std::max(edges, 1.0);
}

class DisplayScale : public LauncherTest, public ::testing::WithParamInterface<int> {};

TEST_P(DisplayScale, FormsAndDialogsAreDrawnAtTheFittedScale) {
    WriteFile("face.bmp", PlainBmp(640, 400, 0x203040));
    // Made for 200 %: the best picture for every scale above 100 %.
    WriteFile("face.scale-200.bmp", PlainBmp(1280, 800, 0x302010));
    const std::string button = "label=IDS_GO\nfont=Tahoma\ny=200\nwidth=160\nheight=40\nx=";
    // A negative display: 0 in dpiScaling, the form drawn as at 96 DPI (Wine
    // does not stretch it), the dialogs as Wine lays out every program's.
    const int asked = GetParam() < 0 ? 96 : GetParam();
    WriteSetupIni(
        MainSection("face.bmp", GetParam() < 0 ? "dpiScaling=0\nbuttonCount=2" : "buttonCount=2") +
        "versionNumber=Version 1\nversionX=20\nversionY=360\n[main.button1]\n" + button +
        "100\naction=sqlexpress\n[main.button2]\n" + button +
        "300\naction=clickThru\n[EN]\nIDS_GO=HEH\nIDS_LICENSECAPTION=Licence\n");
    // The same caption drawn at 96 DPI, the measure of the scaled one.
    ScreenImage at96;
    if (asked > 96) {
        Start("EN");
        at96 = CaptureForm(WaitForForm());
    }
    const PrefixDpi display(std::abs(GetParam()));
    Start("EN");
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int dpi = std::max(96, std::min({asked, int(work.right - work.left) * 96 / 640,
                                           int(work.bottom - work.top) * 96 / 400}));
    EXPECT_EQ(form.screenRect.right - form.screenRect.left, At(640, dpi)) << "at " << dpi;
    EXPECT_EQ(form.screenRect.bottom - form.screenRect.top, At(400, dpi));
    const std::vector<ChildFacts> children = ChildrenOf(form.hwnd);
    ASSERT_EQ(children.size(), 2u);
    const RECT first = children[0].id == 10000 ? children[0].rect : children[1].rect,
               scaled{At(100, dpi), At(200, dpi), At(260, dpi), At(240, dpi)};
    EXPECT_TRUE(::EqualRect(&first, &scaled));

    // The white version text starts at its scaled place; the caption's ink
    // (Tahoma's capitals at 13 pixels stand 8 tall) grows with the scale.
    const ScreenImage shot = CaptureForm(form);
    EXPECT_EQ(shot.at(2, 2), asked > 96 ? 0x302010u : 0x203040u);
    const auto version = InkRows(shot, {0, At(340, dpi), shot.width(), shot.height()},
                                 [](uint32_t p) { return RedOf(p) > 0xE0 && GreenOf(p) > 0xE0; });
    EXPECT_GE(version.first, At(360, dpi));
    EXPECT_LE(version.first, At(366, dpi));
    const auto dark = [](uint32_t p) {
        return RedOf(p) < 0x60 && GreenOf(p) < 0x60 && BlueOf(p) < 0x60;
    };
    const auto caption =
        InkRows(shot, {first.left + 4, first.top + 4, first.right - 4, first.bottom - 4}, dark);
    EXPECT_NEAR(caption.second - caption.first, 8.0 * dpi / 96, 1.5);
    if (!at96.empty()) {
        // Sharp: of s times the 96-DPI caption's height, its edges steeper than
        // that caption stretched by s.
        const RECT box96{104, 204, 256, 236},
            box{first.left + At(4, dpi), first.top + At(4, dpi), first.right - At(4, dpi),
                first.bottom - At(4, dpi)};
        const auto ink96 = InkRows(at96, box96, dark);
        EXPECT_NEAR(caption.second - caption.first, (ink96.second - ink96.first) * dpi / 96.0, 1.5);
        const int w = box.right - box.left, h = box.bottom - box.top;
        const double sharp = EdgeContrast(Grey(shot, box, w, h), w),
                     blurred = EdgeContrast(Grey(at96, box96, w, h), w);
        EXPECT_GT(sharp, blurred * 1.4) << sharp << " against " << blurred;
    }

    // A real click where only the scaled button lies presses it; the dialogs
    // are about their templates' width in dialog units times 6 / 4 pixels
    // (Tahoma 8 at 96 DPI; its whole-pixel widths at other sizes) times the
    // display's scale, every control inside (the rule drawn edge to edge
    // reaches 2 pixels past the client at every scale).
    HoverAt(POINT{form.screenRect.left + first.right - 3, form.screenRect.top + first.bottom - 3});
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, click, sizeof click[0]);
    const struct {
        const char* title;
        int units;
    } dialogs[] = {{"SQL Express", 280}, {"Licence", 326}};
    for (const auto& d : dialogs) {
        if (d.units == 326)
            PressButton(::GetDlgItem(form.hwnd, 10001));
        const WindowFacts dialog = WaitForWindow(program().id(), d.title, kWaitMs);
        ASSERT_NE(dialog.hwnd, nullptr) << d.title << " did not open";
        RECT client{};
        ::GetClientRect(dialog.hwnd, &client);
        EXPECT_NEAR(client.right, d.units * 1.5 * std::abs(GetParam()) / 96, d.units * 0.15)
            << d.title;
        for (const ChildFacts& c : ChildrenOf(dialog.hwnd))
            EXPECT_TRUE(c.rect.left >= 0 && c.rect.top >= 0 && c.rect.right <= client.right + 2 &&
                        c.rect.bottom <= client.bottom)
                << d.title << ": control " << c.id << " outside";
        ::PostMessageA(dialog.hwnd, WM_COMMAND, IDCANCEL, 0);
        for (int wait = 0; wait < 500 && ::IsWindow(dialog.hwnd); ++wait)
            ::Sleep(20);
    }
}

INSTANTIATE_TEST_SUITE_P(Display, DisplayScale, ::testing::Values(96, 120, 144, 192, -144));

} // namespace
