// The designer's canvas at 100 % shows a form exactly as the launcher's own
// window does, on a display of 96 DPI and of 150 %.
#include "design_commands.h"
#include "designer_fixture.h"

#include <algorithm>

namespace {

constexpr const char* kSampleTitle = "Sample Product Setup";

class DesignerCanvas : public DesignerTest, public ::testing::WithParamInterface<int> {};

TEST_P(DesignerCanvas, AtActualSizeEqualsTheLaunchersWindow) {
    const int dpi = GetParam();
    std::unique_ptr<PrefixDpi> scale;
    if (dpi != 96)
        scale = std::make_unique<PrefixDpi>(dpi);
    CopySample();
    Start("EN");
    const WindowFacts form = WaitForWindow(program().id(), kSampleTitle, kWaitMs);
    ASSERT_NE(form.hwnd, nullptr);
    const ScreenImage launcher = CaptureForm(form);
    // The premise: the launcher drew the sample's 640 x 400 picture at the scale.
    ASSERT_EQ(launcher.width(), 640 * dpi / 96);
    ASSERT_EQ(launcher.height(), 400 * dpi / 96);
    // Only what the window's region shows is the launcher's: the rest is the
    // screen behind it.
    HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
    const bool shaped = ::GetWindowRgn(form.hwnd, shape) != ERROR;
    EndProgram();

    StartDesigner();
    ::SendMessageA(frame(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    designer().WaitUntilIdle(kWaitMs);
    const int width = launcher.width(), height = launcher.height();
    RECT client{};
    ::GetClientRect(canvas(), &client);
    std::vector<bool> compared(size_t(width) * height, false);
    int differences = 0;
    // Wider than the canvas at 150 %: seen scrolled to the top-left corner
    // and to the bottom-right one.
    for (const bool toEnd : {false, true}) {
        POINT scroll{0, 0};
        if (toEnd) {
            ::SendMessageA(canvas(), WM_HSCROLL, SB_BOTTOM, 0);
            ::SendMessageA(canvas(), WM_VSCROLL, SB_BOTTOM, 0);
            scroll = {std::max(0L, width + 2 * kCanvasMargin - client.right),
                      std::max(0L, height + 2 * kCanvasMargin - client.bottom)};
        }
        POINT origin{kCanvasMargin - scroll.x, kCanvasMargin - scroll.y};
        ::ClientToScreen(canvas(), &origin);
        RECT shown{std::max(0L, scroll.x - kCanvasMargin), std::max(0L, scroll.y - kCanvasMargin),
                   std::min<LONG>(width, client.right - kCanvasMargin + scroll.x),
                   std::min<LONG>(height, client.bottom - kCanvasMargin + scroll.y)};
        shown.right = std::min<LONG>(shown.right, ::GetSystemMetrics(SM_CXSCREEN) - origin.x);
        shown.bottom = std::min<LONG>(shown.bottom, ::GetSystemMetrics(SM_CYSCREEN) - origin.y);
        ASSERT_GT(shown.right, shown.left);
        ASSERT_GT(shown.bottom, shown.top);
        const ScreenImage canvasShot =
            CaptureWhenSettled(RECT{origin.x + shown.left, origin.y + shown.top,
                                    origin.x + shown.right, origin.y + shown.bottom});
        for (int y = shown.top; y < shown.bottom; ++y)
            for (int x = shown.left; x < shown.right; ++x) {
                if (shaped && !::PtInRegion(shape, x, y))
                    continue;
                compared[size_t(y) * width + x] = true;
                if (canvasShot.at(x - shown.left, y - shown.top) != launcher.at(x, y) &&
                    differences++ == 0)
                    ADD_FAILURE() << "first difference at (" << x << ", " << y << ")";
            }
    }
    int shownPixels = 0, comparedPixels = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            shownPixels += !shaped || ::PtInRegion(shape, x, y);
            comparedPixels += compared[size_t(y) * width + x];
        }
    ::DeleteObject(shape);
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(comparedPixels, shownPixels) << "not every pixel of the form was on the canvas";
    if (differences)
        SaveBmp(launcher, folder() + "\\launcher.bmp");
}

INSTANTIATE_TEST_SUITE_P(Display, DesignerCanvas, ::testing::Values(96, 144));

} // namespace
