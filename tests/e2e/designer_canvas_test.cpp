// The designer's canvas at 100 % shows a form exactly as the launcher's own
// window does, on a display of 96 DPI and of 150 %.
#include "design_commands.h"
#include "designer_fixture.h"

#include <algorithm>

namespace {

constexpr const char* kSampleTitle = "Sample Product Setup";

// Compares the part of the form the canvas shows, scrolled by `scroll`, with
// the launcher's capture where its region shows it; marks what it compared.
int CompareView(const ScreenImage& launcher, HRGN shape, POINT scroll, const RECT& client,
                HWND canvas, std::vector<bool>& compared) {
    const int width = launcher.width(), height = launcher.height();
    POINT origin{kCanvasMargin - scroll.x, kCanvasMargin - scroll.y};
    ::ClientToScreen(canvas, &origin);
    RECT shown{std::max(0L, scroll.x - kCanvasMargin), std::max(0L, scroll.y - kCanvasMargin),
               std::min<LONG>(width, client.right - kCanvasMargin + scroll.x),
               std::min<LONG>(height, client.bottom - kCanvasMargin + scroll.y)};
    shown.right = std::min<LONG>(shown.right, ::GetSystemMetrics(SM_CXSCREEN) - origin.x);
    shown.bottom = std::min<LONG>(shown.bottom, ::GetSystemMetrics(SM_CYSCREEN) - origin.y);
    if (shown.right <= shown.left || shown.bottom <= shown.top)
        return 0;
    const ScreenImage view =
        CaptureWhenSettled(RECT{origin.x + shown.left, origin.y + shown.top, origin.x + shown.right,
                                origin.y + shown.bottom});
    int differences = 0;
    for (int y = shown.top; y < shown.bottom; ++y)
        for (int x = shown.left; x < shown.right; ++x) {
            if (shape && !::PtInRegion(shape, x, y))
                continue;
            compared[size_t(y) * width + x] = true;
            if (view.at(x - shown.left, y - shown.top) != launcher.at(x, y) && differences++ == 0)
                ADD_FAILURE() << "first difference at (" << x << ", " << y << ")";
        }
    return differences;
}

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
    // The form may be larger than the canvas beside the panes: it is seen a
    // page at a time, scrolled as the scroll bars' page keys scroll it.
    const auto pageStarts = [](int extent, int page) {
        std::vector<LONG> starts{0};
        while (page > 0 && starts.back() < extent - page)
            starts.push_back(std::min<LONG>(starts.back() + page, extent - page));
        return starts;
    };
    const int pageX = client.right, pageY = client.bottom;
    for (const LONG scrollY : pageStarts(height + 2 * kCanvasMargin, pageY))
        for (const LONG scrollX : pageStarts(width + 2 * kCanvasMargin, pageX)) {
            ::SendMessageA(canvas(), WM_HSCROLL, SB_TOP, 0);
            ::SendMessageA(canvas(), WM_VSCROLL, SB_TOP, 0);
            for (LONG x = 0; x < scrollX; x += pageX)
                ::SendMessageA(canvas(), WM_HSCROLL, SB_PAGEDOWN, 0);
            for (LONG y = 0; y < scrollY; y += pageY)
                ::SendMessageA(canvas(), WM_VSCROLL, SB_PAGEDOWN, 0);
            differences += CompareView(launcher, shaped ? shape : nullptr, POINT{scrollX, scrollY},
                                       client, canvas(), compared);
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
