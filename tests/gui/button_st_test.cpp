#include "button_harness.h"
#include "controls/button_st.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kButtonId = 3101;
constexpr int kOtherId = 3102;
const RECT kButtonRect{320, 200, 440, 240}; // 120 x 40, clear of the template's controls
const RECT kOtherRect{320, 260, 440, 300};
constexpr int kWidth = 120;
constexpr int kHeight = 40;

COLORREF Sys(int index) {
    return ::GetSysColor(index);
}

// A big dialog at the screen's top-left corner, so that the buttons are on
// screen where the cursor can be put.
void MakeRoom(ButtonTestDialog& dialog) {
    ::SetWindowPos(dialog.m_hWnd, nullptr, 0, 0, 640, 400, SWP_NOZORDER);
}

void PutCursorAway() {
    ::SetCursorPos(1000, 740);
}

// Puts the cursor over the button and reports the move as the system would.
void HoverOver(HWND button) {
    POINT centre{kWidth / 2, kHeight / 2};
    POINT screen = centre;
    ::ClientToScreen(button, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
}

bool HasPendingPaint(HWND hwnd) {
    return ::GetUpdateRect(hwnd, nullptr, FALSE) != FALSE;
}

// Which frame the edges of a painted button show.
enum class Frame { None, Raised, Sunken, Other };

Frame FrameOf(const ButtonCanvas& c, COLORREF face) {
    auto edgesAre = [&](COLORREF topLeft, COLORREF bottomRight) {
        for (int x = 0; x < c.width() - 1; ++x)
            if (c.Pixel(x, 0) != topLeft || c.Pixel(x, c.height() - 1) != bottomRight)
                return false;
        for (int y = 0; y < c.height() - 1; ++y)
            if (c.Pixel(0, y) != topLeft || c.Pixel(c.width() - 1, y) != bottomRight)
                return false;
        return c.Pixel(c.width() - 1, c.height() - 1) == bottomRight;
    };
    if (edgesAre(face, face))
        return Frame::None;
    if (edgesAre(Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW)))
        return Frame::Raised;
    if (edgesAre(Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT)))
        return Frame::Sunken;
    return Frame::Other;
}

const RECT kInside{1, 1, kWidth - 1, kHeight - 1};

// The caption as the layout rules place it, drawn by the test itself: measured
// in the whole button (moved by shift), centred both ways, drawn once.
void DrawExpectedCaption(ButtonCanvas& c, HFONT font, const std::string& caption, COLORREF colour,
                         int shift) {
    SelectScope select(c.dc(), font);
    RECT box{shift, shift, kWidth + shift, kHeight + shift};
    RECT block = box;
    ::DrawTextA(c.dc(), caption.c_str(), static_cast<int>(caption.size()), &block,
                DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    ::OffsetRect(&block, ((box.right - box.left) - (block.right - block.left)) / 2,
                 ((box.bottom - box.top) - (block.bottom - block.top)) / 2);
    ::SetBkMode(c.dc(), TRANSPARENT);
    ::SetTextColor(c.dc(), colour);
    ::DrawTextA(c.dc(), caption.c_str(), static_cast<int>(caption.size()), &block,
                DT_WORDBREAK | DT_CENTER);
    ::GdiFlush();
}

// A dialog with two buttons of the given styles and captions.
struct Buttons {
    ButtonTestDialog dialog;
    CButtonST button;
    CButtonST other;
    GdiObject<HFONT> font{CreateUnsmoothedFont(13)};

    Buttons(DWORD style = BS_PUSHBUTTON, const char* caption = "Install") {
        dialog.onInit = [this, style, caption](ButtonTestDialog& d) {
            MakeRoom(d);
            ASSERT_TRUE(button.Create(caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                                      kButtonRect, &d, kButtonId));
            ASSERT_TRUE(other.Create("Other", WS_CHILD | WS_VISIBLE | WS_TABSTOP, kOtherRect, &d,
                                     kOtherId));
            button.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
            other.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        };
    }
    void Run(std::function<void(ButtonTestDialog&)> script) {
        PutCursorAway();
        dialog.RunScript(std::move(script));
        PutCursorAway();
    }
};

TEST(ButtonST, TurnsOwnerDrawnWhenAttachedAndReadsCheckBoxAndDefaultFromTheStyle) {
    struct Case {
        DWORD style;
        bool checkBox;
        bool isDefault;
    };
    const Case cases[] = {{BS_PUSHBUTTON, false, false},  {BS_DEFPUSHBUTTON, false, true},
                          {BS_CHECKBOX, true, false},     {BS_AUTOCHECKBOX, true, false},
                          {BS_RADIOBUTTON, false, false}, {BS_AUTORADIOBUTTON, false, false},
                          {BS_3STATE, false, false},      {BS_AUTO3STATE, true, false}};
    for (const Case& c : cases) {
        Buttons b(c.style | BS_MULTILINE);
        b.Run([&](ButtonTestDialog&) {
            const DWORD style = b.button.GetStyle();
            EXPECT_EQ(style & 0x1F, static_cast<DWORD>(BS_OWNERDRAW)) << c.style;
            EXPECT_TRUE(style & BS_MULTILINE) << "other style bits are kept";
            EXPECT_EQ(b.button.IsCheckBox(), c.checkBox) << c.style;
            EXPECT_EQ(b.button.IsDefault(), c.isDefault) << c.style;
        });
    }
}

TEST(ButtonST, AtRestPaintsFaceAndCentredCaptionWithoutFrameOrFocusRectangle) {
    Buttons b;
    b.Run([&](ButtonTestDialog&) {
        ButtonCanvas rest(kWidth, kHeight);
        rest.PrintClient(b.button.m_hWnd);
        const COLORREF face = b.button.Colors().idleBack;
        EXPECT_EQ(FrameOf(rest, face), Frame::None);
        // Exactly the face and the caption where the layout puts it.
        ButtonCanvas expected(kWidth, kHeight);
        expected.Fill(face);
        DrawExpectedCaption(expected, b.font.get(), "Install", b.button.Colors().idleText, 0);
        EXPECT_EQ(rest.Pixels(), expected.Pixels());
        EXPECT_GT(rest.Count(b.button.Colors().idleText), 20);

        // With the keyboard focus: the same picture, no focus rectangle.
        ::SetFocus(b.button.m_hWnd);
        ASSERT_EQ(::GetFocus(), b.button.m_hWnd);
        ButtonCanvas focused(kWidth, kHeight);
        focused.PrintClient(b.button.m_hWnd);
        EXPECT_EQ(focused.Pixels(), rest.Pixels());
    });
}

TEST(ButtonST, HoverShowsARaisedFrameOnceAndEndsInEveryWay) {
    Buttons b;
    b.Run([&](ButtonTestDialog& d) {
        const HWND hwnd = b.button.m_hWnd;
        struct Ending {
            const char* name;
            std::function<void()> end;
            bool paintedAtOnce = false; // the button's own procedure repaints it then
        };
        const Ending endings[] = {
            {"mouse leave", [&] { b.button.SendMessage(WM_MOUSELEAVE); }},
            {"kill focus", [&] { b.button.SendMessage(WM_KILLFOCUS); }},
            {"cancel mode", [&] { b.button.SendMessage(WM_CANCELMODE); }},
            {"move onto another window",
             [&] {
                 POINT outside{-20, kHeight / 2};
                 POINT screen = outside;
                 ::ClientToScreen(hwnd, &screen);
                 ::SetCursorPos(screen.x, screen.y);
                 b.button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(outside.x, outside.y));
             }},
            {"disabling", [&] { ::EnableWindow(hwnd, FALSE); }, true},
        };
        for (const Ending& ending : endings) {
            ::ValidateRect(hwnd, nullptr);
            HoverOver(hwnd);
            ASSERT_TRUE(b.button.IsHovering()) << ending.name;
            EXPECT_TRUE(HasPendingPaint(hwnd)) << ending.name;
            ButtonCanvas hover(kWidth, kHeight);
            hover.PrintClient(hwnd);
            EXPECT_EQ(FrameOf(hover, b.button.Colors().activeBack), Frame::Raised);

            // Further moves over it change nothing and paint nothing.
            ::ValidateRect(hwnd, nullptr);
            HoverOver(hwnd);
            EXPECT_TRUE(b.button.IsHovering());
            EXPECT_FALSE(HasPendingPaint(hwnd)) << ending.name;

            ending.end();
            EXPECT_FALSE(b.button.IsHovering()) << ending.name;
            if (!ending.paintedAtOnce) {
                EXPECT_TRUE(HasPendingPaint(hwnd)) << ending.name;
            }
            ButtonCanvas after(kWidth, kHeight);
            after.PrintClient(hwnd);
            EXPECT_EQ(FrameOf(after, b.button.Colors().idleBack), Frame::None) << ending.name;
            ::EnableWindow(hwnd, TRUE);
            PutCursorAway();
        }
        // A leave notification with no hover shown repaints nothing.
        ::ValidateRect(hwnd, nullptr);
        b.button.SendMessage(WM_MOUSELEAVE);
        EXPECT_FALSE(HasPendingPaint(hwnd));
        (void)d;
    });
}

TEST(ButtonST, TheSystemsLeaveNotificationEndsTheHover) {
    Buttons b;
    b.Run([&](ButtonTestDialog&) {
        HoverOver(b.button.m_hWnd);
        ASSERT_TRUE(b.button.IsHovering());
        // The button asked to be told when the mouse leaves: move it away for real.
        PutCursorAway();
        EXPECT_TRUE(PumpMessagesUntil([&] { return !b.button.IsHovering(); }, 3000));
    });
}

TEST(ButtonST, ADragFromElsewhereDoesNotLightTheButton) {
    Buttons b;
    b.Run([&](ButtonTestDialog&) {
        POINT centre{kWidth / 2, kHeight / 2};
        POINT screen = centre;
        ::ClientToScreen(b.button.m_hWnd, &screen);
        ::SetCursorPos(screen.x, screen.y);
        b.button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        EXPECT_FALSE(b.button.IsHovering());
        // Once hovering, a held button keeps the look.
        b.button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
        b.button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        EXPECT_TRUE(b.button.IsHovering());
    });
}

TEST(ButtonST, PressedShowsASunkenFrameAndShiftsTheCaptionByOnePixel) {
    Buttons b;
    b.Run([&](ButtonTestDialog&) {
        const HWND hwnd = b.button.m_hWnd;
        ButtonCanvas rest(kWidth, kHeight);
        rest.PrintClient(hwnd);
        b.button.SendMessage(BM_SETSTATE, TRUE);
        ButtonCanvas pressed(kWidth, kHeight);
        pressed.PrintClient(hwnd);
        b.button.SendMessage(BM_SETSTATE, FALSE);

        EXPECT_EQ(FrameOf(pressed, b.button.Colors().activeBack), Frame::Sunken);
        const COLORREF text = b.button.Colors().idleText;
        const PixelBounds before = rest.BoundsOf(text, kInside);
        const PixelBounds after = pressed.BoundsOf(text, kInside);
        ASSERT_FALSE(before.empty());
        EXPECT_EQ(after, before.Offset(1, 1));
        EXPECT_EQ(rest.Count(text), pressed.Count(text));
    });
}

TEST(ButtonST, DisabledCaptionIsEngravedInHighlightAndShadow) {
    Buttons b;
    b.Run([&](ButtonTestDialog&) {
        ::EnableWindow(b.button.m_hWnd, FALSE);
        ButtonCanvas c(kWidth, kHeight);
        c.PrintClient(b.button.m_hWnd);
        EXPECT_EQ(FrameOf(c, b.button.Colors().idleBack), Frame::None);
        EXPECT_EQ(c.Count(b.button.Colors().idleText), 0);
        const PixelBounds shadow = c.BoundsOf(Sys(COLOR_BTNSHADOW), kInside);
        const PixelBounds light = c.BoundsOf(Sys(COLOR_BTNHIGHLIGHT), kInside);
        ASSERT_FALSE(shadow.empty());
        ASSERT_FALSE(light.empty());
        // The light copy lies one pixel right of and below the shadow copy on top.
        EXPECT_EQ(light.right, shadow.right + 1);
        EXPECT_EQ(light.bottom, shadow.bottom + 1);
    });
}

TEST(ButtonST, LongAndTwoLineCaptionsWrapAndStayCentredAsOneBlock) {
    for (const char* caption : {"Several words far wider than this button", "First\nSecond"}) {
        Buttons b(BS_PUSHBUTTON, caption);
        b.Run([&](ButtonTestDialog&) {
            ButtonCanvas c(kWidth, kHeight);
            c.PrintClient(b.button.m_hWnd);
            const PixelBounds text = c.BoundsOf(b.button.Colors().idleText, kInside);
            ASSERT_FALSE(text.empty()) << caption;
            EXPECT_GT(text.bottom - text.top, 13) << "two lines: " << caption;
            // Both lines centred as one block in the button.
            EXPECT_LE(std::abs(text.top - (kHeight - 1 - text.bottom)), 3) << caption;
            ButtonCanvas expected(kWidth, kHeight);
            expected.Fill(b.button.Colors().idleBack);
            DrawExpectedCaption(expected, b.font.get(), caption, b.button.Colors().idleText, 0);
            EXPECT_EQ(c.Pixels(), expected.Pixels()) << caption;
        });
    }
}

TEST(ButtonST, AnswersTheDialogManagerAsADefaultOrOrdinaryPushButton) {
    Buttons b;
    b.Run([&](ButtonTestDialog& d) {
        auto code = [&] { return b.button.SendMessage(WM_GETDLGCODE) & 0x30; };
        EXPECT_EQ(code(), 0x20);
        b.button.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        EXPECT_EQ(code(), 0x10);
        EXPECT_EQ(b.button.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
        b.button.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        EXPECT_EQ(code(), 0x20);
        // Another button type leaves the default state as it was.
        b.button.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        b.button.SendMessage(BM_SETSTYLE, BS_CHECKBOX, TRUE);
        EXPECT_EQ(code(), 0x10);
        EXPECT_EQ(b.button.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
        b.button.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);

        // The real dialog manager moves the default look to the focused button.
        ::SendMessageA(d.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(b.button.m_hWnd), TRUE);
        EXPECT_TRUE(b.button.IsDefault());
        EXPECT_EQ(b.button.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
        ::SendMessageA(d.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(b.other.m_hWnd), TRUE);
        EXPECT_FALSE(b.button.IsDefault());
        EXPECT_TRUE(b.other.IsDefault());
        EXPECT_EQ(b.button.GetStyle() & 0x1F, static_cast<DWORD>(BS_OWNERDRAW));
    });
}

TEST(ButtonST, CheckStateOnlyInCheckBoxModeWhereItDrawsAsPressed) {
    struct Case {
        WPARAM set;
        int plain;
        int checkBox;
    };
    const Case cases[] = {
        {BST_CHECKED, 0, 1}, {BST_INDETERMINATE, 0, 1}, {BST_UNCHECKED, 0, 0}, {7, 0, 0}};
    for (DWORD style : {DWORD(BS_PUSHBUTTON), DWORD(BS_AUTOCHECKBOX)}) {
        Buttons b(style);
        b.Run([&](ButtonTestDialog&) {
            for (const Case& c : cases) {
                EXPECT_EQ(b.button.SendMessage(BM_SETCHECK, c.set), 0);
                EXPECT_EQ(b.button.SendMessage(BM_GETCHECK),
                          style == BS_PUSHBUTTON ? c.plain : c.checkBox)
                    << style << " " << c.set;
            }
            EXPECT_EQ(b.button.SetChecked(TRUE), BUTTON_OK);
            ButtonCanvas c(kWidth, kHeight);
            c.PrintClient(b.button.m_hWnd);
            const Frame expected = style == BS_PUSHBUTTON ? Frame::None : Frame::Sunken;
            EXPECT_EQ(FrameOf(c, b.button.Colors().idleBack), expected);
        });
    }
}

TEST(ButtonST, CheckedCaptionIsNotShifted) {
    Buttons b(BS_AUTOCHECKBOX);
    b.Run([&](ButtonTestDialog&) {
        ButtonCanvas unchecked(kWidth, kHeight);
        unchecked.PrintClient(b.button.m_hWnd);
        b.button.SetChecked(TRUE);
        ButtonCanvas checked(kWidth, kHeight);
        checked.PrintClient(b.button.m_hWnd);
        const COLORREF text = b.button.Colors().activeText;
        const PixelBounds a = unchecked.BoundsOf(text, kInside);
        const PixelBounds c = checked.BoundsOf(text, kInside);
        ASSERT_FALSE(a.empty());
        ASSERT_FALSE(c.empty());
        EXPECT_EQ(a.left, c.left);
        EXPECT_EQ(a.top, c.top);
    });
}

TEST(ButtonST, AnswersTheParentsColourQuestionWithTheHollowBrush) {
    Buttons b;
    b.Run([&](ButtonTestDialog& d) {
        ButtonCanvas c(4, 4);
        const LRESULT brush =
            ::SendMessageA(d.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(c.dc()),
                           reinterpret_cast<LPARAM>(b.button.m_hWnd));
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
    });
}

TEST(ButtonST, DisablingTheFocusedButtonHandsTheFocusOn) {
    Buttons b;
    b.Run([&](ButtonTestDialog& d) {
        ::SetFocus(b.button.m_hWnd);
        const HWND next = ::GetNextDlgTabItem(d.m_hWnd, b.button.m_hWnd, FALSE);
        ASSERT_NE(next, nullptr);
        ::EnableWindow(b.button.m_hWnd, FALSE);
        EXPECT_EQ(::GetFocus(), next);
        ::EnableWindow(b.button.m_hWnd, TRUE);

        // A focus held elsewhere stays there.
        const HWND edit = ::GetDlgItem(d.m_hWnd, 2002);
        ::SetFocus(edit);
        ::EnableWindow(b.button.m_hWnd, FALSE);
        EXPECT_EQ(::GetFocus(), edit);
        ::EnableWindow(b.button.m_hWnd, TRUE);
    });
}

TEST(ButtonST, ADoubleClickCountsAsTwoPresses) {
    Buttons b;
    int clicks = 0;
    int doubleClicks = 0;
    b.dialog.onCommand = [&](WPARAM wParam, LPARAM) {
        if (LOWORD(wParam) != kButtonId)
            return false;
        clicks += HIWORD(wParam) == BN_CLICKED;
        doubleClicks += HIWORD(wParam) == BN_DOUBLECLICKED;
        return true;
    };
    b.Run([&](ButtonTestDialog&) {
        const HWND hwnd = b.button.m_hWnd;
        const LPARAM at = MAKELPARAM(kWidth / 2, kHeight / 2);
        ::PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
        ::PostMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
    });
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubleClicks, 0);
}

TEST(ButtonST, StateColoursFollowTheSystemColours) {
    Buttons b;
    b.Run([&](ButtonTestDialog&) {
        const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
        const COLORREF old[] = {Sys(COLOR_BTNFACE), Sys(COLOR_BTNTEXT)};
        const COLORREF changed[] = {RGB(10, 20, 30), RGB(200, 100, 50)};
        CButtonST::StateColors colours;
        {
            const OnScopeExit restore([&] { ::SetSysColors(2, elements, old); });
            ::SetSysColors(2, elements, changed);
            b.button.SendMessage(WM_SYSCOLORCHANGE);
            colours = b.button.Colors();
        }
        EXPECT_EQ(colours.activeBack, changed[0]);
        EXPECT_EQ(colours.idleBack, changed[0]);
        EXPECT_EQ(colours.focusBack, changed[0]);
        EXPECT_EQ(colours.activeText, changed[1]);
        EXPECT_EQ(colours.idleText, changed[1]);
        EXPECT_EQ(colours.focusText, changed[1]);
        b.button.SendMessage(WM_SYSCOLORCHANGE);
        EXPECT_EQ(b.button.Colors().idleBack, old[0]);
    });
}

} // namespace
