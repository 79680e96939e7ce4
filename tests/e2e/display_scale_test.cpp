// The launcher on displays of 96 to 192 DPI (the prefix's LogPixels, read by
// each program as it starts): the form, its buttons, the version text and the
// captions drawn at the scale, fitted to the work area.
#include "action_fixture.h"
#include "driver/user_input.h"

#include <algorithm>

namespace {

constexpr uint32_t kFace = 0x203040;
constexpr uint32_t kFaceAt200 = 0x302010;

// The prefix's display scale for the programs started while it lives.
class PrefixDpi {
public:
    explicit PrefixDpi(DWORD dpi) {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &m_key, nullptr);
        DWORD size = sizeof m_old;
        m_had = ::RegQueryValueExA(m_key, "LogPixels", nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(&m_old), &size) == ERROR_SUCCESS;
        Set(dpi);
    }
    ~PrefixDpi() {
        if (m_had)
            Set(m_old);
        else
            ::RegDeleteValueA(m_key, "LogPixels");
        ::RegCloseKey(m_key);
    }

private:
    void Set(DWORD dpi) {
        ::RegSetValueExA(m_key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                         sizeof dpi);
    }
    HKEY m_key = nullptr;
    DWORD m_old = 0;
    bool m_had = false;
};

// Worked by hand: length * dpi / 96 to the nearest pixel.
int At(int length, int dpi) {
    return (length * dpi + 48) / 96;
}

// Bounding rows of the pixels inside `box` that `ink` picks; {0, 0} for none.
template <class Ink> std::pair<int, int> InkRows(const ScreenImage& shot, RECT box, Ink ink) {
    int first = -1, last = -1;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (ink(shot.at(x, y))) {
                first = first < 0 ? y : first;
                last = y;
            }
    return {first, last + 1};
}

class DisplayScale : public LauncherTest, public ::testing::WithParamInterface<int> {};

TEST_P(DisplayScale, FormButtonsVersionTextAndCaptionsAreDrawnAtTheFittedScale) {
    WriteFile("face.bmp", PlainBmp(640, 400, kFace));
    // Made for 200 %: the best picture for every scale above 100 %.
    WriteFile("face.scale-200.bmp", PlainBmp(1280, 800, kFaceAt200));
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
    const RECT button = children[0].rect;
    EXPECT_EQ(button.left, At(100, dpi));
    EXPECT_EQ(button.top, At(200, dpi));
    EXPECT_EQ(button.right, At(260, dpi));
    EXPECT_EQ(button.bottom, At(240, dpi));

    // The white version text starts at its scaled place; the caption's ink
    // (dark on the shaded face) is as tall as at 96 DPI times the scale.
    const ScreenImage shot = CaptureForm(form);
    EXPECT_EQ(shot.at(2, 2), GetParam() > 96 ? kFaceAt200 : kFace);
    const auto white = [](uint32_t p) { return RedOf(p) > 0xE0 && GreenOf(p) > 0xE0; };
    const auto version = InkRows(shot, {0, At(340, dpi), shot.width(), shot.height()}, white);
    EXPECT_GE(version.first, At(360, dpi));
    EXPECT_LE(version.first, At(366, dpi));
    const auto dark = [](uint32_t p) {
        return RedOf(p) < 0x60 && GreenOf(p) < 0x60 && BlueOf(p) < 0x60;
    };
    const auto caption =
        InkRows(shot, {button.left + 4, button.top + 4, button.right - 4, button.bottom - 4}, dark);
    // Tahoma's capitals at 13 pixels stand 8 pixels tall.
    EXPECT_NEAR(caption.second - caption.first, 8.0 * dpi / 96, 1.5);

    // A real click in the part of the button that only its scaled rectangle
    // covers presses it: the exit action ends the launcher.
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

// The dialog manager lays the dialogs out at the scale: twice as wide at
// 192 DPI as at 96, every control inside.
TEST_F(ActionTest, DialogsAtTwiceTheScaleGrowWithItAndHoldTheirControls) {
    WriteForms({{"clickThru", "prog.exe", ""}, {"sqlexpress", "prog.exe", ""}}, "",
               "IDS_LICENSECAPTION=Licence agreement\nIDS_EULA=L.rtf\n");
    ::CreateDirectoryA((folder() + "\\EN").c_str(), nullptr);
    WriteFile("EN\\L.rtf", "{\\rtf1\\ansi Terms.}");
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
            // The rule drawn edge to edge reaches 2 pixels past the client at every scale.
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
