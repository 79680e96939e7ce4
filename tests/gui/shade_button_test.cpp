#include "button_harness.h"
#include "controls/crt_random.h"
#include "controls/shade_button_st.h"
#include "controls/shade_palette.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 40;
const RECT kRect{300, 200, 300 + kWidth, 200 + kHeight};
const RECT kSecondRect{300, 260, 300 + 150, 260 + 25};

std::vector<BYTE> Indices(const CCeXDib& dib) {
    const BYTE* p = dib.Pixels();
    return std::vector<BYTE>(p, p + dib.Stride() * dib.Height());
}

// The index the image shows at (x, y) counted from the top.
BYTE IndexAt(const CCeXDib& dib, int x, int y) {
    return dib.Pixels()[std::size_t(dib.Height() - 1 - y) * dib.Stride() + std::size_t(x)];
}

COLORREF ColourAt(const CCeXDib& dib, int x, int y) {
    const RGBQUAD& q = dib.Palette()[IndexAt(dib, x, y)];
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

void PutCursorAway() {
    ::SetCursorPos(1000, 740);
}

void HoverOver(CShadeButtonST& button) {
    POINT centre{10, 10};
    POINT screen = centre;
    ::ClientToScreen(button.m_hWnd, &screen);
    ::SetCursorPos(screen.x, screen.y);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
}

// A form-like dialog with shaded buttons created as the forms create them.
struct ShadedDialog {
    ButtonTestDialog dialog;
    CShadeButtonST buttons[2];
    std::string captions[2] = {"", ""};
    bool shade = true;
    DWORD effect = SHADE_BEVEL;

    ShadedDialog() {
        dialog.onInit = [this](ButtonTestDialog& d) {
            ::SetWindowPos(d.m_hWnd, nullptr, 0, 0, 640, 400, SWP_NOZORDER);
            const RECT* rects[] = {&kRect, &kSecondRect};
            for (int i = 0; i < 2; ++i) {
                ASSERT_TRUE(buttons[i].Create(captions[i].c_str(),
                                              WS_CHILD | WS_VISIBLE | WS_TABSTOP, *rects[i], &d,
                                              9999 + i));
                if (shade)
                    buttons[i].ApplyShading(effect, 8, 10, 0, 0);
            }
        };
    }
    void Run(std::function<void(ButtonTestDialog&)> script) {
        PutCursorAway();
        UiThreadRandom().Restart();
        dialog.RunScript(std::move(script));
        PutCursorAway();
    }
};

TEST(ShadeButtonST, ShadesBothButtonsAsTheCoreDoesFromTheThreadsGenerator) {
    ShadedDialog d;
    d.Run([&](ButtonTestDialog&) {
        CrtRandom random;
        const RECT* rects[] = {&kRect, &kSecondRect};
        for (int i = 0; i < 2; ++i) {
            const CCeXDib& normal = d.buttons[i].NormalImage();
            const int width = rects[i]->right - rects[i]->left;
            const int height = rects[i]->bottom - rects[i]->top;
            ASSERT_EQ(normal.Width(), width);
            ASSERT_EQ(normal.Height(), height);
            ASSERT_EQ(normal.BitDepth(), 8);
            std::vector<BYTE> expected(normal.Stride() * height);
            ShadeIndexImage({expected.data(), width, height, normal.Stride()}, SHADE_BEVEL, 8,
                            random);
            // Compare the pixels, not the padding the shading leaves alone.
            for (int r = 0; r < height; ++r)
                ASSERT_EQ(std::memcmp(normal.Pixels() + r * normal.Stride(),
                                      expected.data() + r * normal.Stride(), width),
                          0)
                    << "button " << i << " line " << r;
            EXPECT_EQ(Indices(d.buttons[i].HoverImage()), Indices(normal));
        }
    });
}

TEST(ShadeButtonST, PalettesRunFromShadowToHighlightAndHoverIsTintedTowardTheHighlight) {
    ShadedDialog d;
    d.Run([&](ButtonTestDialog&) {
        const CCeXDib& normal = d.buttons[0].NormalImage();
        const CCeXDib& hover = d.buttons[0].HoverImage();
        std::vector<std::uint8_t> expected(1024);
        const COLORREF hi = ::GetSysColor(COLOR_BTNHIGHLIGHT);
        BuildShadePalette(expected.data(), hi, ::GetSysColor(COLOR_BTNFACE),
                          ::GetSysColor(COLOR_BTNSHADOW));
        ASSERT_EQ(normal.ColorCount(), 256);
        EXPECT_EQ(std::memcmp(normal.Palette(), expected.data(), 1024), 0);
        const RGBQUAD& first = normal.Palette()[0];
        EXPECT_EQ(RGB(first.rgbRed, first.rgbGreen, first.rgbBlue), ::GetSysColor(COLOR_BTNSHADOW));
        const RGBQUAD& last = normal.Palette()[255];
        EXPECT_EQ(RGB(last.rgbRed, last.rgbGreen, last.rgbBlue), hi);

        TintPaletteEntries(expected.data(), 256, hi, 10);
        EXPECT_EQ(std::memcmp(hover.Palette(), expected.data(), 1024), 0);
    });
}

TEST(ShadeButtonST, ColouringAndHighlightOfZeroAndAHundred) {
    ShadedDialog d;
    d.shade = false;
    d.Run([&](ButtonTestDialog&) {
        CShadeButtonST& b = d.buttons[0];
        b.ApplyShading(SHADE_ROWS, 8, 0, 0, 0);
        EXPECT_EQ(std::memcmp(b.HoverImage().Palette(), b.NormalImage().Palette(), 1024), 0);

        const COLORREF colour = RGB(12, 34, 56);
        b.ApplyShading(SHADE_ROWS, 8, 0, 100, colour);
        for (int i = 0; i < 256; ++i) {
            const RGBQUAD& q = b.NormalImage().Palette()[i];
            ASSERT_EQ(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue), colour) << i;
        }
        // Shading again rebuilds both images at the window's size.
        b.ApplyShading(SHADE_GRAIN, 0, 0, 0, 0);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; x += 7)
                ASSERT_LE(IndexAt(b.NormalImage(), x, y) - 128, 1);
    });
}

TEST(ShadeButtonST, PaintsTheNormalImageAtRestTheHoverImageWhenHoveredShiftedWhenPressed) {
    ShadedDialog d;
    d.Run([&](ButtonTestDialog&) {
        CShadeButtonST& b = d.buttons[0];
        const CCeXDib& normal = b.NormalImage();
        const CCeXDib& hover = b.HoverImage();
        const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
        const COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);

        // At rest: the normal image everywhere, no frame.
        ButtonCanvas rest(kWidth, kHeight);
        rest.PrintClient(b.m_hWnd);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                ASSERT_EQ(rest.Pixel(x, y), ColourAt(normal, x, y)) << x << "," << y;

        // Hovering: the hover image inside a raised frame.
        HoverOver(b);
        ASSERT_TRUE(b.IsHovering());
        ButtonCanvas hovered(kWidth, kHeight);
        hovered.PrintClient(b.m_hWnd);
        for (int y = 1; y < kHeight - 1; ++y)
            for (int x = 1; x < kWidth - 1; ++x)
                ASSERT_EQ(hovered.Pixel(x, y), ColourAt(hover, x, y)) << x << "," << y;
        EXPECT_EQ(hovered.Pixel(0, 0), light);
        EXPECT_EQ(hovered.Pixel(kWidth - 1, kHeight - 1), dark);
        EXPECT_EQ(hovered.Pixel(0, kHeight / 2), light);
        EXPECT_EQ(hovered.Pixel(kWidth - 1, kHeight / 2), dark);

        // Pressed while hovering: the hover image moved by (1, 1), a sunken frame.
        b.SendMessage(BM_SETSTATE, TRUE);
        ButtonCanvas pressed(kWidth, kHeight);
        pressed.PrintClient(b.m_hWnd);
        for (int y = 1; y < kHeight - 1; ++y)
            for (int x = 1; x < kWidth - 1; ++x)
                ASSERT_EQ(pressed.Pixel(x, y), ColourAt(hover, x - 1, y - 1)) << x << "," << y;
        EXPECT_EQ(pressed.Pixel(0, 0), dark);
        EXPECT_EQ(pressed.Pixel(kWidth - 1, kHeight - 1), light);

        // Pressed from the keyboard, the mouse elsewhere: normal image in place.
        b.SendMessage(WM_MOUSELEAVE);
        ButtonCanvas keyboard(kWidth, kHeight);
        keyboard.PrintClient(b.m_hWnd);
        b.SendMessage(BM_SETSTATE, FALSE);
        for (int y = 1; y < kHeight - 1; ++y)
            for (int x = 1; x < kWidth - 1; ++x)
                ASSERT_EQ(keyboard.Pixel(x, y), ColourAt(normal, x, y)) << x << "," << y;
        EXPECT_EQ(keyboard.Pixel(0, 0), dark);
    });
}

TEST(ShadeButtonST, CaptionIsDrawnOverTheImageAndShiftedWhenPressed) {
    ShadedDialog d;
    d.captions[0] = "Install";
    GdiObject<HFONT> font(CreateUnsmoothedFont(14));
    d.Run([&](ButtonTestDialog&) {
        CShadeButtonST& b = d.buttons[0];
        b.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        const COLORREF text = b.Colors().idleText;
        const RECT inside{1, 1, kWidth - 1, kHeight - 1};
        ButtonCanvas rest(kWidth, kHeight);
        rest.PrintClient(b.m_hWnd);
        b.SendMessage(BM_SETSTATE, TRUE);
        ButtonCanvas pressed(kWidth, kHeight);
        pressed.PrintClient(b.m_hWnd);
        b.SendMessage(BM_SETSTATE, FALSE);
        const PixelBounds a = rest.BoundsOf(text, inside);
        const PixelBounds c = pressed.BoundsOf(text, inside);
        ASSERT_FALSE(a.empty());
        EXPECT_EQ(c, a.Offset(1, 1));
        // Elsewhere the image shows through.
        EXPECT_EQ(rest.Pixel(2, 2), ColourAt(b.NormalImage(), 2, 2));
    });
}

TEST(ShadeButtonST, AnImageThatCannotBeMadeLeavesTheButtonUnshadedAndTheGeneratorUntouched) {
    ShadedDialog d;
    d.shade = false;
    d.Run([&](ButtonTestDialog& dialog) {
        CShadeButtonST& b = d.buttons[0];
        b.ApplyShading(SHADE_BEVEL, 8, 10, 0, 0);
        ASSERT_TRUE(b.NormalImage().HasBlock());
        // Far beyond what a button face may take.
        ::SetWindowPos(b.m_hWnd, nullptr, 0, 0, 20000, 20000, SWP_NOMOVE | SWP_NOZORDER);
        RECT window{};
        ::GetWindowRect(b.m_hWnd, &window);
        ASSERT_GT(std::int64_t(window.right - window.left) * (window.bottom - window.top),
                  std::int64_t(CCeXDib::kMaxBlockBytes));
        CrtRandom before = UiThreadRandom();
        b.ApplyShading(SHADE_BEVEL, 8, 10, 0, 0);
        EXPECT_FALSE(b.NormalImage().HasBlock());
        EXPECT_FALSE(b.HoverImage().HasBlock());
        EXPECT_EQ(UiThreadRandom().Next(), before.Next());
        ::SetWindowPos(b.m_hWnd, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
        ButtonCanvas c(kWidth, kHeight);
        c.PrintClient(b.m_hWnd);
        EXPECT_EQ(c.Count(b.Colors().idleBack), kWidth * kHeight);
        (void)dialog;
    });
}

TEST(ShadeButtonST, CarriesItsEntrysTexts) {
    CShadeButtonST button;
    EXPECT_EQ(button.GetAction(), "");
    EXPECT_EQ(button.GetUrl(), "");
    EXPECT_EQ(button.GetArgs(), "");
    std::string action = "open";
    button.SetAction(action);
    button.SetUrl("docs\\readme.pdf");
    button.SetArgs("/s $LANGUAGE");
    action = "changed";
    EXPECT_EQ(button.GetAction(), "open");
    EXPECT_EQ(button.GetUrl(), "docs\\readme.pdf");
    EXPECT_EQ(button.GetArgs(), "/s $LANGUAGE");
}

} // namespace

TEST(ShadeButtonST, AButtonLargerThanItsFormIsShadedWhereTheFormShowsItAsInFull) {
    ShadedDialog d;
    d.shade = false;
    d.Run([&](ButtonTestDialog&) {
        CShadeButtonST& b = d.buttons[0];
        constexpr int kBig = 900, kTall = 700;
        ::SetWindowPos(b.m_hWnd, nullptr, -30, -20, kBig, kTall, SWP_NOZORDER);
        const RECT shown{0, 0, 320, 200};
        for (DWORD effect = SHADE_GRAIN; effect <= SHADE_SCRATCHES; ++effect) {
            UiThreadRandom().Restart();
            b.ApplyShading(effect, 8, 10, 0, 0, shown);
            CrtRandom random;
            std::vector<BYTE> full(std::size_t(kBig) * kTall);
            ShadeIndexImage({full.data(), kBig, kTall, kBig}, effect, 8, random);
            const CCeXDib& part = b.NormalImage();
            // From one pixel left of and above the form's corner to its far edges.
            ASSERT_EQ(part.Width(), 30 + 320 - 29);
            ASSERT_EQ(part.Height(), 20 + 200 - 19);
            for (int y = 0; y < part.Height(); ++y)
                for (int x = 0; x < part.Width(); ++x)
                    ASSERT_EQ(IndexAt(part, x, y),
                              full[std::size_t(kTall - 1 - (19 + y)) * kBig + std::size_t(29 + x)])
                        << "effect " << effect << " at " << x << "," << y;
            EXPECT_EQ(UiThreadRandom().Next(), random.Next()) << "effect " << effect;
        }
    });
}

// Hands a message to the dialog as its modal loop does: filter hook, then dialog manager.
void DeliverAsTheDialogLoop(HWND dialog, HWND to, UINT msg, WPARAM wParam, LPARAM lParam = 0) {
    MSG message{to, msg, wParam, lParam, 0, {0, 0}};
    if (!::CallMsgFilterA(&message, MSGF_DIALOGBOX) && !::IsDialogMessageA(dialog, &message))
        ::DispatchMessageA(&message);
}

TEST(ShadeButtonST, FocusCueHiddenForTheMouseShownOnceTheKeyboardIsUsedOnEveryEffect) {
    enum Way { kArrowKey, kAlt, kSystemSetting };
    for (DWORD effect = SHADE_GRAIN; effect <= SHADE_SCRATCHES; ++effect) {
        const Way way = static_cast<Way>(effect % 3);
        SCOPED_TRACE(testing::Message() << "effect " << effect << ", way " << way);
        BOOL cues = FALSE;
        ::SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &cues, 0);
        const OnScopeExit restore([cues] {
            ::SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(INT_PTR(cues)),
                                    0);
        });
        ::SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0,
                                reinterpret_cast<void*>(way == kSystemSetting), 0);
        ShadedDialog d;
        d.effect = effect;
        d.captions[0] = "Install";
        d.Run([&](ButtonTestDialog& dialog) {
            const HWND first = d.buttons[0].m_hWnd;
            const auto painted = [&](bool focused, bool cue) {
                ::SetFocus(focused ? first : d.buttons[1].m_hWnd);
                ButtonCanvas canvas(kWidth, kHeight);
                canvas.PrintClient(first);
                const RECT inside{3, 3, kWidth - 3, kHeight - 3}; // the platform's own rectangle
                if (cue)
                    ::DrawFocusRect(canvas.dc(), &inside);
                return canvas.Pixels();
            };
            const auto nestedShowsCues = [] { // a dialog opened now, over this one
                ButtonTestDialog nested;
                LRESULT state = UISF_HIDEFOCUS;
                nested.RunScript(
                    [&](ButtonTestDialog& n) { state = n.SendMessage(WM_QUERYUISTATE); });
                return !(state & UISF_HIDEFOCUS);
            };
            const auto withCue = painted(false, true);
            EXPECT_EQ(painted(true, false),
                      way == kSystemSetting ? withCue : painted(false, false));
            // A key: the arrow moves the focus back from the second button, Alt leaves it.
            ::SetFocus(way == kAlt ? first : d.buttons[1].m_hWnd);
            DeliverAsTheDialogLoop(dialog.m_hWnd, ::GetFocus(),
                                   way == kAlt ? WM_SYSKEYDOWN : WM_KEYDOWN,
                                   way == kAlt ? VK_MENU : VK_UP);
            ASSERT_EQ(::GetFocus(), first);
            EXPECT_EQ(painted(true, false), withCue);
            EXPECT_TRUE(nestedShowsCues());
            // A click: the platform keeps the cues shown; a dialog it opens starts without.
            DeliverAsTheDialogLoop(dialog.m_hWnd, first, WM_LBUTTONDOWN, MK_LBUTTON,
                                   MAKELPARAM(5, 5));
            DeliverAsTheDialogLoop(dialog.m_hWnd, first, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
            EXPECT_EQ(painted(true, false), withCue);
            EXPECT_EQ(nestedShowsCues(), way == kSystemSetting);
        });
    }
}
