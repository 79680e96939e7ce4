// The label's font, styles, repainting, flashing and colour changes, through real messages.
#include "label_host.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

LOGFONTA FontOf(HFONT font) {
    LOGFONTA description{};
    ::GetObjectA(font, sizeof description, &description);
    return description;
}

// What the label shows on screen now, without letting any message run.
void CaptureWindow(HWND hwnd, Canvas& canvas) {
    WindowDC window(hwnd);
    ::BitBlt(canvas.dc(), 0, 0, canvas.width(), canvas.height(), window.get(), 0, 0, SRCCOPY);
}

TEST(LabelBinding, TakesTheControlsFont) {
    BoundLabel bound(0, 80, 20, "x");
    const LOGFONTA& lf = bound.label.GetLogFont();
    EXPECT_EQ(lf.lfHeight, -16);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");
    EXPECT_EQ(lf.lfQuality, NONANTIALIASED_QUALITY);
    ASSERT_NE(bound.label.GetFont(), nullptr);
    EXPECT_NE(bound.label.GetFont(), bound.font.get()); // a font of its own
    EXPECT_EQ(FontOf(bound.label.GetFont()).lfHeight, -16);
}

TEST(LabelBinding, StartsFromTheDefaultGuiFontWhenTheControlHasNone) {
    LabelHost host(0, 80, 20, "x");
    ASSERT_EQ(::SendMessageA(host.control(), WM_GETFONT, 0, 0), 0);
    CLabel label;
    ASSERT_TRUE(label.SubclassWindow(host.control()));
    const LOGFONTA gui = FontOf(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_EQ(std::memcmp(&label.GetLogFont(), &gui, sizeof gui), 0);
    EXPECT_NE(label.GetFont(), nullptr);
}

TEST(LabelFont, SetFontSizeTakesHeightAndWidthOfThePointSizeOnTheScreen) {
    WindowDC screen(nullptr);
    ASSERT_EQ(::GetDeviceCaps(screen.get(), LOGPIXELSY), 96);
    // Minus the nearest whole number to points × 96 / 72.
    const struct {
        int points;
        LONG height;
    } cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {20, -27}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        BoundLabel bound(0, 80, 20, "x");
        bound.label.SetFontBold(true);
        bound.label.SetFontSize(c.points);
        const LOGFONTA& lf = bound.label.GetLogFont();
        EXPECT_EQ(lf.lfHeight, c.height);
        EXPECT_EQ(lf.lfWidth, 0);
        EXPECT_EQ(lf.lfWeight, FW_BOLD); // the rest of the record is kept
        EXPECT_STREQ(lf.lfFaceName, "Tahoma");
        EXPECT_EQ(FontOf(bound.label.GetFont()).lfHeight, c.height);
    }
}

TEST(LabelFont, EachSetterChangesItsFieldsAndRebuildsTheFont) {
    BoundLabel bound(0, 80, 20, "x");
    CLabel& label = bound.label;
    auto held = [&] { return FontOf(label.GetFont()); };

    label.SetFontBold(true);
    EXPECT_EQ(label.GetLogFont().lfWeight, FW_BOLD);
    EXPECT_EQ(held().lfWeight, FW_BOLD);
    label.SetFontBold(false);
    EXPECT_EQ(held().lfWeight, FW_NORMAL);

    label.SetFontItalic(true).SetFontUnderline(true);
    EXPECT_EQ(held().lfItalic, TRUE);
    EXPECT_EQ(held().lfUnderline, TRUE);
    label.SetFontItalic(false).SetFontUnderline(false);
    EXPECT_EQ(held().lfItalic, FALSE);
    EXPECT_EQ(held().lfUnderline, FALSE);

    label.SetFontName("Courier New", SYMBOL_CHARSET);
    EXPECT_STREQ(held().lfFaceName, "Courier New");
    EXPECT_EQ(held().lfCharSet, SYMBOL_CHARSET);

    label.SetRotationAngle(45, false);
    EXPECT_EQ(held().lfEscapement, 450);
    EXPECT_EQ(held().lfOrientation, 450);
    label.SetRotationAngle(-90, true);
    EXPECT_EQ(held().lfEscapement, -900);
    label.SetRotationAngle(360 * 1000000 + 30, true); // whole turns dropped, no overflow
    EXPECT_EQ(held().lfEscapement, 300);
}

TEST(LabelFont, AFaceNameTooLongForTheRecordIsCutTo31Bytes) {
    BoundLabel bound(0, 80, 20, "x");
    const std::string longName(40, 'F');
    bound.label.SetFontName(longName, ANSI_CHARSET);
    EXPECT_EQ(std::string(bound.label.GetLogFont().lfFaceName), longName.substr(0, 31));
    EXPECT_EQ(bound.label.GetLogFont().lfCharSet, ANSI_CHARSET);
    EXPECT_NE(bound.label.GetFont(), nullptr);
}

TEST(LabelStyle, EdgeBorderAndLinkAddAndRemoveTheirStyles) {
    BoundLabel bound(0, 80, 20, "x");
    HWND control = bound.host.control();
    auto style = [&] { return static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE)); };
    auto exStyle = [&] { return static_cast<DWORD>(::GetWindowLongA(control, GWL_EXSTYLE)); };

    bound.label.SetStaticEdge(true).SetBorder(true).SetLink(true, false);
    EXPECT_TRUE(exStyle() & WS_EX_STATICEDGE);
    EXPECT_TRUE(style() & WS_BORDER);
    EXPECT_TRUE(style() & SS_NOTIFY);
    // The frame takes its room from the client area.
    RECT client{};
    ::GetClientRect(control, &client);
    EXPECT_LT(client.right, 80);

    bound.label.SetStaticEdge(false).SetBorder(false).SetLink(false, false);
    EXPECT_FALSE(exStyle() & WS_EX_STATICEDGE);
    EXPECT_FALSE(style() & WS_BORDER);
    EXPECT_FALSE(style() & SS_NOTIFY);
    ::GetClientRect(control, &client);
    EXPECT_EQ(client.right, 80);
}

TEST(LabelStyle, AllSettersChainOnTheSameLabel) {
    BoundLabel bound(0, 80, 20, "x");
    CLabel& chained = bound.label.SetBackgroundColor(kWhite)
                          .SetTextColor(kBlack)
                          .SetText("chained")
                          .SetFontBold(true)
                          .SetFontName("Tahoma", DEFAULT_CHARSET)
                          .SetFontUnderline(false)
                          .SetFontItalic(false)
                          .SetFontSize(10)
                          .SetStaticEdge(false)
                          .SetBorder(false)
                          .SetTransparent(false)
                          .FlashText(false)
                          .SetFlashMode2(false)
                          .SetLink(false, false)
                          .SetHoverCursor(nullptr)
                          .SetTextEmboss(false, false)
                          .SetRotationAngle(0, false)
                          .SetEmbossColor(kWhite);
    EXPECT_EQ(&chained, &bound.label);
    char text[32] = {};
    ::GetWindowTextA(bound.host.control(), text, sizeof text);
    EXPECT_STREQ(text, "chained");
}

TEST(LabelStyle, AnUnboundLabelKeepsItsSettingsAndTouchesNoWindow) {
    CLabel label;
    label.SetFontBold(true).SetFontSize(8).SetText("nowhere").FlashText(true).SetTransparent(true);
    EXPECT_EQ(label.GetLogFont().lfWeight, FW_BOLD);
    EXPECT_EQ(label.GetLogFont().lfHeight, -11);
    // No thread timer (one without a window) was started in place of the window's.
    ::Sleep(600);
    bool threadTimer = false;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE))
        threadTimer = threadTimer || msg.hwnd == nullptr;
    EXPECT_FALSE(threadTimer);
}

TEST(LabelRefresh, SettersRepaintTheWindowAtOnce) {
    BoundLabel bound(SS_CENTER, 80, 24, "HH", true);
    Canvas canvas(80, 24, kMagenta);
    bound.label.SetBackgroundColor(kWhite).SetTextColor(kRed);
    CaptureWindow(bound.host.control(), canvas);
    EXPECT_GT(canvas.Count(kRed), 20);
    bound.label.SetTextColor(kBlue);
    CaptureWindow(bound.host.control(), canvas);
    EXPECT_EQ(canvas.Count(kRed), 0);
    EXPECT_GT(canvas.Count(kBlue), 20);
}

TEST(LabelRefresh, ATransparentLabelShowsItsParentRepaintedBeneath) {
    BoundLabel bound(0, 80, 24, "HH", true);
    bound.label.SetTextColor(kRed);
    Canvas canvas(80, 24, kMagenta);
    CaptureWindow(bound.host.control(), canvas);
    ASSERT_GT(canvas.Count(::GetSysColor(COLOR_BTNFACE)), 80 * 24 / 2);

    // The label's own face is gone at once: the parent's background replaces it.
    bound.label.SetTransparent(true);
    CaptureWindow(bound.host.control(), canvas);
    const int ink = canvas.Count(kRed);
    EXPECT_GT(ink, 20);
    EXPECT_EQ(canvas.Count(::GetSysColor(COLOR_WINDOW)), 80 * 24 - ink);
}

TEST(LabelRefresh, PlainTextAndEnableChangesKeepTheLabelsLook) {
    BoundLabel bound(0, 80, 24, "HH", true);
    bound.label.SetBackgroundColor(kBlue).SetTextColor(kRed);
    Canvas canvas(80, 24, kMagenta);
    const struct {
        const char* name;
        void (*change)(HWND);
    } changes[] = {
        {"window text", [](HWND hwnd) { ::SetWindowTextA(hwnd, "XXX"); }},
        {"disabled", [](HWND hwnd) { ::EnableWindow(hwnd, FALSE); }},
        {"enabled", [](HWND hwnd) { ::EnableWindow(hwnd, TRUE); }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.name);
        c.change(bound.host.control());
        CaptureWindow(bound.host.control(), canvas);
        EXPECT_GT(canvas.Count(kRed), 20);
        EXPECT_EQ(canvas.Count(kBlue) + canvas.Count(kRed), 80 * 24);
    }
}

TEST(LabelFlash, TextHidesInItsSolidBackgroundAndEachTickFlipsThePhase) {
    BoundLabel bound(0, 80, 24, "HH");
    bound.label.SetBackgroundColor(kWhite).SetTextColor(kRed).FlashText(true);
    Canvas canvas(80, 24, kMagenta);
    auto redShown = [&] {
        canvas.PaintFrom(bound.host.control());
        return canvas.Count(kRed);
    };
    EXPECT_FALSE(bound.label.IsFlashPhaseOn());
    EXPECT_EQ(redShown(), 0);
    EXPECT_EQ(canvas.Count(kWhite), 80 * 24);

    ::SendMessageA(bound.host.control(), WM_TIMER, CLabel::kFlashTimer, 0);
    EXPECT_TRUE(bound.label.IsFlashPhaseOn());
    EXPECT_GT(redShown(), 20);
    ::SendMessageA(bound.host.control(), WM_TIMER, CLabel::kFlashTimer, 0);
    EXPECT_EQ(redShown(), 0);

    // Stopped in the off phase, the text is drawn normally again.
    bound.label.FlashText(false);
    EXPECT_GT(redShown(), 20);
    EXPECT_FALSE(::KillTimer(bound.host.control(), CLabel::kFlashTimer));
}

TEST(LabelFlash, OffPhaseTextIsBlackWithoutABackgroundBrush) {
    const struct {
        const char* name;
        void (*setUp)(CLabel&);
    } cases[] = {
        {"default background", [](CLabel&) {}},
        {"gradient", [](CLabel& l) { l.SetBackgroundColor(kWhite, kBlue, true); }},
        {"solid, then gradient",
         [](CLabel& l) { l.SetBackgroundColor(kWhite).SetBackgroundColor(kWhite, kBlue, true); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BoundLabel bound(0, 80, 24, "HH");
        c.setUp(bound.label);
        bound.label.SetTextColor(kRed).FlashText(true);
        Canvas canvas(80, 24, kMagenta);
        canvas.PaintFrom(bound.host.control());
        EXPECT_EQ(canvas.Count(kRed), 0);
        EXPECT_GT(canvas.Count(kBlack), 20);
    }
}

TEST(LabelFlash, SecondModeSwapsTextAndBackgroundColoursInTheOffPhase) {
    BoundLabel bound(0, 80, 24, "HH");
    bound.label.SetBackgroundColor(kWhite).SetTextColor(kRed);
    Canvas canvas(80, 24, kMagenta);
    canvas.PaintFrom(bound.host.control());
    const std::vector<bool> text = canvas.Mask(kRed);

    bound.label.SetFlashMode2(true);
    canvas.PaintFrom(bound.host.control());
    EXPECT_EQ(canvas.Mask(kWhite), text);
    EXPECT_EQ(canvas.Pixel(0, 0), kRed);

    ::SendMessageA(bound.host.control(), WM_TIMER, CLabel::kFlashTimer, 0);
    canvas.PaintFrom(bound.host.control());
    EXPECT_EQ(canvas.Mask(kRed), text);

    // Stopping in the off phase leaves the label in its own colours.
    ::SendMessageA(bound.host.control(), WM_TIMER, CLabel::kFlashTimer, 0);
    bound.label.SetFlashMode2(false);
    canvas.PaintFrom(bound.host.control());
    EXPECT_EQ(canvas.Mask(kRed), text);
    EXPECT_FALSE(::KillTimer(bound.host.control(), CLabel::kFlashTimer));
}

TEST(LabelFlash, TheTimerShowsAndHidesTheTextOnScreen) {
    BoundLabel bound(0, 80, 24, "HH", true);
    bound.label.SetBackgroundColor(kWhite).SetTextColor(kRed);
    Canvas canvas(80, 24, kMagenta);
    for (auto flash : {&CLabel::FlashText, &CLabel::SetFlashMode2}) {
        (bound.label.*flash)(true);
        ::RedrawWindow(bound.host.control(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CaptureWindow(bound.host.control(), canvas);
        const int offPhaseRed = canvas.Count(kRed);
        ASSERT_TRUE(PumpMessagesUntil([&] { return bound.label.IsFlashPhaseOn(); }, 3000));
        CaptureWindow(bound.host.control(), canvas);
        EXPECT_NE(canvas.Count(kRed), offPhaseRed); // repainted by the tick
        ASSERT_TRUE(PumpMessagesUntil([&] { return !bound.label.IsFlashPhaseOn(); }, 3000));
        (bound.label.*flash)(false);
    }
}

TEST(LabelFlash, TheTimerEndsWithTheLabel) {
    LabelHost host(0, 80, 20, "x");
    {
        CLabel label;
        ASSERT_TRUE(label.SubclassWindow(host.control()));
        label.FlashText(true);
    }
    EXPECT_FALSE(::KillTimer(host.control(), CLabel::kFlashTimer));
}

TEST(LabelSystemColours, ButtonFaceBrushFollowsAColourChange) {
    const int element = COLOR_BTNFACE;
    const COLORREF original = ::GetSysColor(element);
    struct Restore {
        int element;
        COLORREF colour;
        ~Restore() { ::SetSysColors(1, &element, &colour); }
    } restore{element, original};

    BoundLabel bound(0, 40, 20, "");
    const COLORREF changed = RGB(12, 34, 56);
    ASSERT_TRUE(::SetSysColors(1, &element, &changed));
    Canvas canvas(40, 20, kMagenta);
    canvas.PaintFrom(bound.host.control());
    EXPECT_EQ(canvas.Pixel(5, 5), original); // its brush is the one made at construction

    ::SendMessageA(bound.host.control(), WM_SYSCOLORCHANGE, 0, 0);
    canvas.PaintFrom(bound.host.control());
    EXPECT_EQ(canvas.Count(changed), 40 * 20);
}

} // namespace
