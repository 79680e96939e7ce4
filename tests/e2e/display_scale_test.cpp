// The launcher on displays of 96 to 192 DPI (the prefix's LogPixels, read by
// each program as it starts): forms fitted to the work area, dialogs.
#include "action_fixture.h"
#include "driver/user_input.h"

#include <algorithm>

namespace {

// The prefix's display scale while it lives; the prefix has none of its own.
struct PrefixDpi {
    explicit PrefixDpi(DWORD dpi) {
        ::RegSetKeyValueA(HKEY_CURRENT_USER, kKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
    ~PrefixDpi() { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, "LogPixels"); }
    static constexpr const char* kKey = "Control Panel\\Desktop";
};

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

class DisplayScale : public LauncherTest, public ::testing::WithParamInterface<int> {};

TEST_P(DisplayScale, FormButtonsVersionTextAndCaptionsAreDrawnAtTheFittedScale) {
    WriteFile("face.bmp", PlainBmp(640, 400, 0x203040));
    // Made for 200 %: the best picture for every scale above 100 %.
    WriteFile("face.scale-200.bmp", PlainBmp(1280, 800, 0x302010));
    WriteSetupIni(MainSection("face.bmp", "buttonCount=1") +
                  "versionNumber=Version 1\nversionX=20\nversionY=360\n"
                  "[main.button1]\nlabel=IDS_GO\naction=exit\nfont=Tahoma\n"
                  "x=100\ny=200\nwidth=160\nheight=40\n[EN]\nIDS_GO=HEH\n");
    const PrefixDpi display(GetParam());
    LaunchedProgram& launcher = Start("EN");
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int dpi = std::max(96, std::min({GetParam(), int(work.right - work.left) * 96 / 640,
                                           int(work.bottom - work.top) * 96 / 400}));
    EXPECT_EQ(form.screenRect.right - form.screenRect.left, At(640, dpi)) << "at " << dpi;
    EXPECT_EQ(form.screenRect.bottom - form.screenRect.top, At(400, dpi));
    const std::vector<ChildFacts> children = ChildrenOf(form.hwnd);
    ASSERT_EQ(children.size(), 1u);
    const RECT button = children[0].rect,
               scaled{At(100, dpi), At(200, dpi), At(260, dpi), At(240, dpi)};
    EXPECT_TRUE(::EqualRect(&button, &scaled));

    // The white version text starts at its scaled place; the caption's ink
    // (Tahoma's capitals at 13 pixels stand 8 tall) grows with the scale.
    const ScreenImage shot = CaptureForm(form);
    EXPECT_EQ(shot.at(2, 2), GetParam() > 96 ? 0x302010u : 0x203040u);
    const auto version = InkRows(shot, {0, At(340, dpi), shot.width(), shot.height()},
                                 [](uint32_t p) { return RedOf(p) > 0xE0 && GreenOf(p) > 0xE0; });
    EXPECT_GE(version.first, At(360, dpi));
    EXPECT_LE(version.first, At(366, dpi));
    const auto caption = InkRows(
        shot, {button.left + 4, button.top + 4, button.right - 4, button.bottom - 4},
        [](uint32_t p) { return RedOf(p) < 0x60 && GreenOf(p) < 0x60 && BlueOf(p) < 0x60; });
    EXPECT_NEAR(caption.second - caption.first, 8.0 * dpi / 96, 1.5);

    // A real click where only the scaled button lies presses it: exit ends the launcher.
    HoverAt(
        POINT{form.screenRect.left + button.right - 3, form.screenRect.top + button.bottom - 3});
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, click, sizeof click[0]);
    EXPECT_TRUE(launcher.WaitForExit(kWaitMs).has_value()) << "the click did not press the button";
}

INSTANTIATE_TEST_SUITE_P(Display, DisplayScale, ::testing::Values(96, 120, 144, 192));

// The dialog manager lays the dialogs out at the scale: twice as wide at 192
// DPI as at 96, every control inside (the rule drawn edge to edge reaches 2
// pixels past the client at every scale).
TEST_F(ActionTest, DialogsAtTwiceTheScaleGrowWithItAndHoldTheirControls) {
    WriteForms({{"clickThru", "prog.exe", ""}, {"sqlexpress", "prog.exe", ""}}, "",
               "IDS_LICENSECAPTION=Licence agreement\nIDS_EULA=L.rtf\n");
    const char* titles[] = {"Licence agreement", "SQL Express"};
    LONG widths[2][2] = {};
    for (int run = 0; run < 2; ++run) {
        const PrefixDpi display(run ? 192 : 96);
        Start("EN");
        const WindowFacts form = WaitForForm();
        ASSERT_NE(form.hwnd, nullptr);
        for (int b = 0; b < 2; ++b) {
            PressButton(Button(form, b + 1));
            const WindowFacts dialog = WaitForWindow(program().id(), titles[b], kWaitMs);
            ASSERT_NE(dialog.hwnd, nullptr) << titles[b];
            RECT client{};
            ::GetClientRect(dialog.hwnd, &client);
            widths[run][b] = client.right;
            for (const ChildFacts& c : ChildrenOf(dialog.hwnd))
                EXPECT_TRUE(c.rect.left >= 0 && c.rect.top >= 0 &&
                            c.rect.right <= client.right + 2 && c.rect.bottom <= client.bottom)
                    << titles[b] << ": control " << c.id << " outside at run " << run;
            ::PostMessageA(dialog.hwnd, WM_COMMAND, IDCANCEL, 0);
            for (int wait = 0; wait < 500 && ::IsWindow(dialog.hwnd); ++wait)
                ::Sleep(20);
        }
    }
    for (int b = 0; b < 2; ++b)
        EXPECT_NEAR(double(widths[1][b]) / widths[0][b], 2.0, 0.2) << titles[b];
}

} // namespace
