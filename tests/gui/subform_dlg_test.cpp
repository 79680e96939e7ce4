#include "allocation_count.h"
#include "app/launcher_app.h"
#include "app/program_folder.h"
#include "forms/subform_dlg.h"
#include "framework/keyboard_cues.h"
#include "picture_files.h"
#include "res/resource.h"
#include "scripted_run.h"
#include "test_support.h"
#include "test_surface.h"

#include <gtest/gtest.h>

#include <oleacc.h>
#include <tuple>

#include <array>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

namespace {

constexpr int kPictureWidth = 200;
constexpr int kPictureHeight = 120;
constexpr std::uint32_t kPictureColour = 0x204080;
constexpr const char* kPictureName = "form_test_picture.bmp";

// A form with access to its parts, run with a script (see scripted_run.h).
class FormUnderTest : public ScriptedRun<FormUnderTest, CSubformDlg> {
public:
    explicit FormUnderTest(const std::string& form = "main", const std::string& language = "EN")
        : ScriptedRun(language, "1033", "English", form, nullptr) {}

    CShadeButtonST& Button(int slot) { return m_buttons[slot]; }
    const CFont& ButtonFont(int slot) const { return m_buttonFonts[slot]; }
    const CFont& VersionFont() const { return m_versionTextFont; }
    int ButtonCount() const { return m_buttonCount; }
    HICON Icon() const { return m_hIcon; }
    void PaintVersionTextInto(HDC dc) { PaintVersionText(dc); }
    // Ends the form as the Escape key would.
    void PostEscape() { ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }
};

// The application's [main] settings, a picture beside the test program and Setup.ini.
class FormTest : public testing::Test {
protected:
    FormTest()
        : m_picture(kPictureName,
                    Bmp24(kPictureWidth, kPictureHeight,
                          Pixels(kPictureWidth * kPictureHeight, 0xFF000000 | kPictureColour))) {
        m_app.m_imageFile = kPictureName;
        m_app.m_productName = "Product Setup";
        m_app.m_versionNumber = "Version 2.0";
        m_app.m_versionX = 20;
        m_app.m_versionY = 30;
    }

    // Runs the form on this Setup.ini; returns its modal result. Given a
    // language, the form is offered a preload of "main" made in it.
    INT_PTR Run(FormUnderTest& form, const std::string& ini,
                std::function<void(FormUnderTest&)> checks,
                const std::string& preloadLanguage = "") {
        ScopedSetupIni setup(ini);
        std::optional<CFormPreload> preload;
        if (!preloadLanguage.empty()) {
            preload.emplace("main", preloadLanguage, GetProgramFolder() + kPictureName);
            form.UsePreload(&*preload);
        }
        return form.RunScript(std::move(checks));
    }

    CLauncherApp m_app;
    ScopedPictureFile m_picture;
};

RECT RectInParent(HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LOGFONTA FontOf(HFONT font) {
    LOGFONTA description{};
    ::GetObjectA(font, sizeof description, &description);
    return description;
}

// Which of the identifiers 10000 to 10011 name a child of the form.
std::string ButtonIdsPresent(HWND form) {
    std::string present;
    for (int id = ButtonCommandId(1); id <= ButtonCommandId(12); ++id)
        present += ::GetDlgItem(form, id) ? '1' : '0';
    return present;
}

TEST_F(FormTest, WindowIsThePictureCentredTitledAndLeftOutOfTheAppWindows) {
    FormUnderTest form;
    const INT_PTR result = Run(form, "[main]\nbuttonCount=0\n", [&](FormUnderTest& f) {
        RECT window{};
        ::GetWindowRect(f.m_hWnd, &window);
        EXPECT_EQ(window.right - window.left, kPictureWidth);
        EXPECT_EQ(window.bottom - window.top, kPictureHeight);
        RECT client{};
        ::GetClientRect(f.m_hWnd, &client);
        EXPECT_EQ(client.right, kPictureWidth);
        EXPECT_EQ(client.bottom, kPictureHeight);
        EXPECT_EQ(f.GetPictureWidth(), kPictureWidth);

        // Centred on the work area, as there is no owner.
        ASSERT_EQ(::GetWindow(f.m_hWnd, GW_OWNER), nullptr);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        ::GetMonitorInfoA(::MonitorFromWindow(f.m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& area = monitor.rcWork;
        EXPECT_EQ(window.left, (area.left + area.right) / 2 - kPictureWidth / 2);
        EXPECT_EQ(window.top, (area.top + area.bottom) / 2 - kPictureHeight / 2);

        EXPECT_EQ(f.GetWindowText(), "Product Setup");
        EXPECT_EQ(f.GetExStyle() & WS_EX_APPWINDOW, 0u);
        EXPECT_NE(f.GetStyle() & WS_POPUP, 0u);
        EXPECT_NE(f.GetStyle() & WS_VISIBLE, 0u);
        EXPECT_EQ(f.GetStyle() & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), 0u);
        f.PostEscape();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(form.m_hWnd, nullptr);
}

// Centred on the work area when it fits; wider or taller than the work area,
// it starts at the area's left or top edge, where nothing of it is off-screen.
TEST_F(FormTest, WindowIsKeptInsideTheWorkArea) {
    RECT area{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    const struct {
        int width, height;
        bool wide, tall;
    } cases[] = {{areaWidth, areaHeight, false, false},
                 {areaWidth + 176, 120, true, false},
                 {200, areaHeight + 132, false, true},
                 {areaWidth + 176, areaHeight + 132, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const ScopedPictureFile picture(
            "large.bmp", Bmp24(c.width, c.height, Pixels(c.width * c.height, 0xFF000000)));
        m_app.m_imageFile = "large.bmp";
        FormUnderTest form;
        RECT window{};
        Run(form, "[main]\nbuttonCount=0\n",
            [&](FormUnderTest& f) { ::GetWindowRect(f.m_hWnd, &window); });
        EXPECT_EQ(window.left, c.wide ? area.left : (area.left + area.right) / 2 - c.width / 2);
        EXPECT_EQ(window.top, c.tall ? area.top : (area.top + area.bottom) / 2 - c.height / 2);
        EXPECT_EQ(window.right - window.left, c.width);
    }
}

TEST_F(FormTest, FormShowsTheProgramsIcon) {
    const HICON programIcon =
        ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(programIcon, nullptr);
    FormUnderTest form;
    Run(form, "[main]\nbuttonCount=0\n", [&](FormUnderTest& f) {
        EXPECT_EQ(f.Icon(), programIcon);
        // Set once the form has painted.
        EXPECT_TRUE(
            PumpMessagesUntil([&] { return f.SendMessage(WM_GETICON, ICON_SMALL) != 0; }, 2000));
        EXPECT_EQ(f.SendMessage(WM_GETICON, ICON_BIG), reinterpret_cast<LRESULT>(programIcon));
        EXPECT_EQ(f.SendMessage(WM_GETICON, ICON_SMALL), reinterpret_cast<LRESULT>(programIcon));
        EXPECT_EQ(f.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(programIcon));
    });
}

TEST_F(FormTest, ButtonsAreBuiltFromTheirSectionsWithCaptionsInTheFormsLanguage) {
    const std::string ini = "[main]\nbuttonCount=3\n"
                            "[main.button1]\nlabel=IDS_ONE\naction=open\nurl=docs\\readme.txt\n"
                            "args=-q /s\nfont=Arial\nx=10\ny=20\nwidth=100\nheight=30\n"
                            "[main.button2]\nlabel=IDS_TWO\naction=subform\nurl=tools\n"
                            "x=5\ny=60\nwidth=50\nheight=25\n"
                            "[EN]\nIDS_ONE=Read me\nIDS_TWO=Line one\\nLine two\n"
                            "[FR]\nIDS_ONE=Lisez-moi\n";
    // Read by the form itself, taken from a preload made for it, and read by
    // the form itself again when the preload was made for another language.
    for (const char* preloadLanguage : {"", "EN", "FR"}) {
        SCOPED_TRACE(preloadLanguage);
        FormUnderTest form;
        Run(
            form, ini,
            [&](FormUnderTest& f) {
                EXPECT_EQ(f.GetPictureWidth(), kPictureWidth);
                EXPECT_EQ(f.ButtonCount(), 3);
                EXPECT_EQ(ButtonIdsPresent(f.m_hWnd), "111000000000");
                for (int slot = 0; slot < 3; ++slot) {
                    EXPECT_EQ(::GetDlgItem(f.m_hWnd, ButtonCommandId(slot + 1)),
                              f.Button(slot).m_hWnd);
                    EXPECT_EQ(f.Button(slot).GetStyle() & (WS_CHILD | WS_VISIBLE | WS_TABSTOP),
                              static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP));
                }
                const RECT first = RectInParent(f.Button(0).m_hWnd);
                EXPECT_EQ(first.left, 10);
                EXPECT_EQ(first.top, 20);
                EXPECT_EQ(first.right, 110);
                EXPECT_EQ(first.bottom, 50);
                const RECT second = RectInParent(f.Button(1).m_hWnd);
                EXPECT_EQ(second.left, 5);
                EXPECT_EQ(second.top, 60);
                EXPECT_EQ(second.right, 55);
                EXPECT_EQ(second.bottom, 85);

                EXPECT_EQ(f.Button(0).GetWindowText(), "Read me");
                EXPECT_EQ(f.Button(1).GetWindowText(), "Line one\nLine two");
                EXPECT_EQ(f.Button(0).GetAction(), "open");
                EXPECT_EQ(f.Button(0).GetUrl(), "docs\\readme.txt");
                EXPECT_EQ(f.Button(0).GetArgs(), "-q /s");
                EXPECT_EQ(f.Button(1).GetAction(), "subform");
                EXPECT_EQ(f.Button(1).GetUrl(), "tools");
                EXPECT_EQ(f.Button(1).GetArgs(), "");

                // Shaded once, at the button's size.
                EXPECT_EQ(f.Button(0).NormalImage().Width(), 100);
                EXPECT_EQ(f.Button(0).NormalImage().Height(), 30);

                // No section at all: still a button, with nothing in it.
                const RECT third = RectInParent(f.Button(2).m_hWnd);
                EXPECT_EQ(third.right - third.left, 0);
                EXPECT_EQ(third.bottom - third.top, 0);
                EXPECT_EQ(f.Button(2).GetWindowText(), "");
                EXPECT_EQ(f.Button(2).GetAction(), "");
                EXPECT_EQ(f.Button(2).GetUrl(), "");
            },
            preloadLanguage);
    }
}

TEST_F(FormTest, APreloadHandsOverItsReadsOnceAndAMissingPictureAsAFailure) {
    ScopedSetupIni setup(
        "[main]\nbuttonCount=1\n[main.button1]\nlabel=IDS_ONE\n[EN]\nIDS_ONE=One\n");
    CFormPreload preload("main", "EN", GetProgramFolder() + kPictureName);
    EXPECT_TRUE(preload.Serves("main", "EN", GetProgramFolder() + kPictureName));
    EXPECT_FALSE(preload.Serves("main.more", "EN", GetProgramFolder() + kPictureName));
    EXPECT_EQ(preload.TakeButtons().buttons[0].caption, "One");
    EXPECT_EQ(preload.TakeButtons().count, 0);
    CImage picture;
    EXPECT_EQ(preload.TakePicture(picture), S_OK);
    EXPECT_EQ(picture.GetWidth(), kPictureWidth);

    CFormPreload missing("main", "EN", GetProgramFolder() + "no such picture.png");
    EXPECT_TRUE(FAILED(missing.TakePicture(picture)));
    EXPECT_TRUE(picture.IsNull());
}

TEST_F(FormTest, RepaintingTheShownFormAllocatesNothing) {
    const std::string ini = "[main]\nbuttonCount=2\n"
                            "[main.button1]\nlabel=IDS_ONE\nx=10\ny=20\nwidth=180\nheight=30\n"
                            "[main.button2]\nlabel=IDS_TWO\nx=10\ny=60\nwidth=180\nheight=30\n"
                            "[EN]\nIDS_ONE=A caption longer than a short string\nIDS_TWO=Two\n";
    FormUnderTest form;
    Run(form, ini, [&](FormUnderTest& f) {
        const auto repaint = [&f] {
            ::RedrawWindow(f.m_hWnd, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        };
        repaint(); // the first paint may size what later ones reuse
        const std::size_t before = AllocationCount();
        repaint();
        repaint();
        EXPECT_EQ(AllocationCount() - before, 0u);
    });
}

TEST_F(FormTest, ButtonFontsAreTheDialogFontAt13PixelsAndWeight500WithTheirOwnFace) {
    const std::string longFace(40, 'F');
    const std::string ini = "[main]\nbuttonCount=3\n"
                            "[main.button1]\nfont=Arial\nwidth=80\nheight=20\n"
                            "[main.button2]\nfont=\nwidth=80\nheight=20\n"
                            "[main.button3]\nfont=" +
                            longFace + "\nwidth=80\nheight=20\n";
    FormUnderTest form;
    Run(form, ini, [&](FormUnderTest& f) {
        const LOGFONTA dialogFont = FontOf(reinterpret_cast<HFONT>(f.SendMessage(WM_GETFONT)));
        const char* faces[] = {"Arial", "", "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"};
        for (int slot = 0; slot < 3; ++slot) {
            SCOPED_TRACE(slot);
            const HFONT font = f.ButtonFont(slot).GetSafeHandle();
            ASSERT_NE(font, nullptr);
            EXPECT_EQ(f.Button(slot).SendMessage(WM_GETFONT), reinterpret_cast<LRESULT>(font));
            const LOGFONTA description = FontOf(font);
            EXPECT_EQ(description.lfHeight, 13);
            EXPECT_EQ(description.lfWeight, 500);
            EXPECT_STREQ(description.lfFaceName, faces[slot]);
            EXPECT_EQ(description.lfCharSet, dialogFont.lfCharSet);
            EXPECT_EQ(description.lfItalic, dialogFont.lfItalic);
            EXPECT_EQ(description.lfQuality, dialogFont.lfQuality);
        }
    });
}

TEST_F(FormTest, ButtonCountDecidesHowManyButtonsAreBuilt) {
    const struct {
        const char* name;
        const char* ini;
        int built;
        const char* ids;
    } cases[] = {
        {"absent", "[main]\nproductName=x\n", 5, "111110000000"},
        {"zero", "[main]\nbuttonCount=0\n", 0, "000000000000"},
        {"negative", "[main]\nbuttonCount=-2\n", 0, "000000000000"},
        {"one", "[main]\nbuttonCount=1\n", 1, "100000000000"},
        {"ten", "[main]\nbuttonCount=10\n", 10, "111111111100"},
        {"twelve", "[main]\nbuttonCount=12\n", 10, "111111111100"},
        {"huge", "[main]\nbuttonCount=2147483647\n", 10, "111111111100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FormUnderTest form;
        const INT_PTR result = Run(form, c.ini, [&](FormUnderTest& f) {
            EXPECT_EQ(f.ButtonCount(), c.built);
            EXPECT_EQ(ButtonIdsPresent(f.m_hWnd), c.ids);
            f.PostEscape();
        });
        EXPECT_EQ(result, IDCANCEL); // Escape ends a form with or without buttons
    }
}

TEST_F(FormTest, EachFormReadsItsOwnSection) {
    const std::string ini = "[main]\nbuttonCount=1\n[main.button1]\nlabel=IDS_MAIN\n"
                            "[tools]\nbuttonCount=2\n[tools.button2]\nlabel=IDS_TOOL\n"
                            "action=exit\n[DE]\nIDS_TOOL=Beenden\n[EN]\nIDS_TOOL=Quit\n";
    FormUnderTest form("tools", "DE");
    Run(form, ini, [&](FormUnderTest& f) {
        EXPECT_EQ(ButtonIdsPresent(f.m_hWnd), "110000000000");
        EXPECT_EQ(f.Button(1).GetWindowText(), "Beenden");
        EXPECT_EQ(f.Button(1).GetAction(), "exit");
    });
}

TEST_F(FormTest, VersionFontTakesItsFaceFromTheSettingsOrTheBuiltInFace) {
    const struct {
        std::string setting;
        std::string face;
    } cases[] = {{"", "Eras Medium ITC"},
                 {"Arial", "Arial"},
                 {std::string(32, 'V'), std::string(31, 'V')},
                 {std::string(300, 'V'), std::string(31, 'V')}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        m_app.m_versionFont = c.setting;
        FormUnderTest form;
        Run(form, "[main]\nbuttonCount=0\n", [&](FormUnderTest& f) {
            LOGFONTA description{};
            ASSERT_TRUE(f.VersionFont().GetLogFont(&description));
            EXPECT_EQ(description.lfHeight, -15);
            EXPECT_EQ(description.lfWidth, 0);
            EXPECT_EQ(description.lfWeight, 400);
            EXPECT_EQ(description.lfItalic, 0);
            EXPECT_EQ(description.lfCharSet, 0);
            EXPECT_EQ(description.lfOutPrecision, 7);
            EXPECT_EQ(description.lfQuality, 0);
            EXPECT_EQ(description.lfPitchAndFamily, 0x30);
            EXPECT_EQ(std::string(description.lfFaceName), c.face);
        });
    }
}

// Pixels that are not the surface's black, and whether all lie inside the box.
struct InkFound {
    int inside = 0;
    int outside = 0;
    int white = 0;
};

InkFound FindInk(const TestSurface& surface, const RECT& box) {
    InkFound ink;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) {
            const std::uint32_t pixel = surface.Pixel(x, y);
            if (pixel == 0)
                continue;
            const bool in = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            ++(in ? ink.inside : ink.outside);
            if (pixel == 0xFFFFFF)
                ++ink.white;
        }
    return ink;
}

TEST_F(FormTest, VersionTextIsWhiteAndStaysInItsRectangle) {
    m_app.m_versionFont = "Arial";
    const struct {
        const char* name;
        std::string text;
        int x;
        int y;
        bool shows;
    } cases[] = {
        {"inside", "Version 2.0", 20, 30, true},
        {"clipped at the right margin", std::string(60, 'W'), 20, 30, true},
        {"clipped at the bottom", "Version 2.0", 20, kPictureHeight - 6, true},
        {"beyond the right margin", "Version 2.0", kPictureWidth - 39, 30, false},
        {"empty", "", 20, 30, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_app.m_versionNumber = c.text;
        m_app.m_versionX = c.x;
        m_app.m_versionY = c.y;
        FormUnderTest form;
        Run(form, "[main]\nbuttonCount=0\n", [&](FormUnderTest& f) {
            TestSurface surface(kPictureWidth, kPictureHeight, RGB(0, 0, 0));
            f.PaintVersionTextInto(surface.dc());
            const InkFound ink =
                FindInk(surface, RECT{c.x, c.y, kPictureWidth - 40, kPictureHeight});
            EXPECT_EQ(ink.outside, 0);
            if (c.shows) {
                EXPECT_GT(ink.white, 5);
            } else {
                EXPECT_EQ(ink.inside, 0);
            }
            // The device context is handed back as it came.
            EXPECT_EQ(::GetBkMode(surface.dc()), OPAQUE);
            EXPECT_EQ(::GetTextColor(surface.dc()), RGB(0, 0, 0));
        });
    }
}

TEST_F(FormTest, ShownFormIsThePictureWithTheVersionTextOverIt) {
    m_app.m_versionFont = "Arial";
    m_app.m_versionNumber = std::string(40, 'W');
    FormUnderTest form;
    Run(form, "[main]\nbuttonCount=0\n", [&](FormUnderTest& f) {
        ::RedrawWindow(f.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        TestSurface shown(kPictureWidth, kPictureHeight, RGB(0, 0, 0));
        {
            WindowDC window(f.m_hWnd);
            ASSERT_TRUE(::BitBlt(shown.dc(), 0, 0, kPictureWidth, kPictureHeight, window.get(), 0,
                                 0, SRCCOPY));
        }
        EXPECT_EQ(shown.Pixel(5, 5), kPictureColour);
        EXPECT_EQ(shown.Pixel(kPictureWidth - 1, kPictureHeight - 1), kPictureColour);
        int white = 0;
        for (int y = 0; y < kPictureHeight; ++y)
            for (int x = 0; x < kPictureWidth; ++x)
                if (shown.Pixel(x, y) == 0xFFFFFF) {
                    ++white;
                    EXPECT_TRUE(x >= 20 && x < kPictureWidth - 40 && y >= 30) << x << ", " << y;
                }
        EXPECT_GT(white, 5);
    });
}

// Overlapping buttons {x, y, width, height}: the form's paint stacks them as
// their own paints do (painting them the other way round differs in every overlap).
TEST_F(FormTest, FormPaintsOverlappingButtonsAsTheirOwnPaintsDo) {
    const std::vector<std::vector<std::array<int, 4>>> layouts = {
        {{10, 10, 120, 40}, {40, 30, 120, 40}},
        {{10, 10, 170, 90}, {40, 40, 60, 30}},
        {{10, 10, 100, 40}, {30, 30, 100, 40}, {50, 50, 100, 40}},
    };
    for (const auto& layout : layouts) {
        std::string ini = "[main]\nbuttonCount=" + std::to_string(layout.size()) + "\n";
        for (std::size_t i = 0; i < layout.size(); ++i) {
            char section[128] = {};
            std::snprintf(section, sizeof section,
                          "[main.button%zu]\nlabel=IDS_%zu\nx=%d\ny=%d\nwidth=%d\nheight=%d\n",
                          i + 1, i, layout[i][0], layout[i][1], layout[i][2], layout[i][3]);
            ini += section;
        }
        FormUnderTest form;
        Run(form, ini + "[EN]\nIDS_0=Install now\nIDS_1=Read me first\nIDS_2=Exit\n",
            [&](FormUnderTest& f) {
                const auto shown = [&f] {
                    TestSurface surface(kPictureWidth, kPictureHeight, RGB(1, 2, 3));
                    ::BitBlt(surface.dc(), 0, 0, kPictureWidth, kPictureHeight,
                             WindowDC(f.m_hWnd).get(), 0, 0, SRCCOPY);
                    std::vector<std::uint32_t> pixels;
                    for (int y = 0; y < kPictureHeight; ++y)
                        for (int x = 0; x < kPictureWidth; ++x)
                            pixels.push_back(surface.Pixel(x, y));
                    return pixels;
                };
                // The form's paint, which paints the buttons in place...
                ::RedrawWindow(f.m_hWnd, nullptr, nullptr,
                               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                const std::vector<std::uint32_t> painted = shown();
                // ...then the buttons' own paints over it.
                for (int i = 0; i < f.ButtonCount(); ++i)
                    ::InvalidateRect(f.Button(i).m_hWnd, nullptr, TRUE);
                ::RedrawWindow(f.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                EXPECT_EQ(f.ButtonCount(), static_cast<int>(layout.size()));
                EXPECT_TRUE(shown() == painted) << layout.size() << " buttons";
            });
    }
}

// What the platform's accessibility interface, loaded at run time as a screen
// reader loads it, answers for a window: name, description, role, state. Every
// other interface the object offers must lead back to that very object.
std::tuple<std::wstring, std::wstring, long, long> AskAccessibility(HWND window) {
    using FromWindowFn = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    static const auto fromWindow = reinterpret_cast<FromWindowFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::LoadLibraryA("oleacc.dll"), "AccessibleObjectFromWindow")));
    IAccessible* object = nullptr;
    if (!fromWindow || FAILED(fromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&object))))
        return {L"(no object)", L"", 0, 0};
    for (const IID& other : {__uuidof(IOleWindow), __uuidof(IEnumVARIANT)}) {
        IUnknown* side = nullptr;
        if (FAILED(object->QueryInterface(other, reinterpret_cast<void**>(&side))))
            continue;
        IAccessible* back = nullptr;
        side->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&back));
        EXPECT_EQ(back, object);
        if (back)
            back->Release();
        side->Release();
    }
    VARIANT self{}, role{}, state{};
    self.vt = VT_I4;
    BSTR name = nullptr, description = nullptr;
    object->get_accName(self, &name);
    object->get_accDescription(self, &description);
    object->get_accRole(self, &role);
    object->get_accState(self, &state);
    object->Release();
    std::tuple<std::wstring, std::wstring, long, long> answers{
        name ? name : L"", description ? description : L"", role.lVal, state.lVal};
    ::SysFreeString(name);
    ::SysFreeString(description);
    return answers;
}

// In high contrast: captions and version text in the scheme's colours over the
// picture, the cue without a key; what assistive technology reads, as shown.
TEST_F(FormTest, HighContrastAndAssistiveTechnologyShowAndReadTheFormAsItIs) {
    const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF scheme[] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    const COLORREF saved[] = {::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNTEXT)};
    const OnScopeExit restore([&] {
        OverrideHighContrast(-1);
        ::SetSysColors(2, elements, saved);
    });
    ::SetSysColors(2, elements, scheme);
    OverrideHighContrast(1); // the platform's own setting cannot be switched under Wine
    m_app.m_versionFont = "Arial";
    FormUnderTest form;
    Run(form,
        "[main]\nbuttonCount=2\n"
        "[main.button1]\nlabel=IDS_ONE\nx=10\ny=20\nwidth=100\nheight=30\n"
        "[main.button2]\nlabel=IDS_TWO\nx=10\ny=60\nwidth=100\nheight=30\n"
        "[EN]\nIDS_ONE=Install\\nnow\nIDS_TWO=Fish && &Chips\n",
        [&](FormUnderTest& f) {
            ::RedrawWindow(f.m_hWnd, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            TestSurface shown(kPictureWidth, kPictureHeight, RGB(1, 2, 3));
            ASSERT_TRUE(::BitBlt(shown.dc(), 0, 0, kPictureWidth, kPictureHeight,
                                 WindowDC(f.m_hWnd).get(), 0, 0, SRCCOPY));
            int version[2] = {0, 0}; // black face and white text outside the buttons
            for (int y = 0; y < kPictureHeight; ++y)
                for (int x = 0; x < kPictureWidth; ++x) {
                    const std::uint32_t pixel = shown.Pixel(x, y);
                    const bool button =
                        x >= 10 && x < 110 && ((y >= 20 && y < 50) || (y >= 60 && y < 90));
                    if (pixel == kPictureColour && !button)
                        continue;
                    ASSERT_TRUE(pixel == 0 || pixel == 0xFFFFFF)
                        << std::hex << pixel << std::dec << " at " << x << "," << y;
                    ASSERT_TRUE(button || (x >= 20 && y >= 30)) << x << "," << y;
                    version[pixel & 1] += !button;
                }
            EXPECT_GT(version[0], 50);
            EXPECT_GT(version[1], 5);
            // The focused first button shows the cue: dots three pixels inside its top edge.
            int dots[2] = {0, 0};
            for (int x = 13; x < 107; ++x)
                for (int b : {0, 1})
                    dots[b] += shown.Pixel(x, 23 + 40 * b) == 0xFFFFFF;
            EXPECT_EQ(::GetFocus(), f.Button(0).m_hWnd);
            EXPECT_GE(dots[0], 45);
            EXPECT_EQ(dots[1], 0);
            const auto window = AskAccessibility(f.m_hWnd);
            EXPECT_EQ(std::get<0>(window), L"Product Setup");
            EXPECT_EQ(std::get<1>(window), L"Version 2.0");
            ::EnableWindow(f.Button(1).m_hWnd, FALSE);
            for (int b : {0, 1}) {
                const auto [name, description, role, state] = AskAccessibility(f.Button(b).m_hWnd);
                EXPECT_EQ(name, b ? L"Fish & Chips" : L"Install now");
                EXPECT_EQ(role, ROLE_SYSTEM_PUSHBUTTON);
                EXPECT_EQ((state & STATE_SYSTEM_UNAVAILABLE) != 0, b == 1);
            }
        });
}

// Whether two icons look the same when drawn at the system's icon size.
bool IconsLookAlike(HICON a, HICON b) {
    const int size = ::GetSystemMetrics(SM_CXICON);
    TestSurface first(size, size, RGB(10, 20, 30));
    TestSurface second(size, size, RGB(10, 20, 30));
    ::DrawIconEx(first.dc(), 0, 0, a, size, size, 0, nullptr, DI_NORMAL);
    ::DrawIconEx(second.dc(), 0, 0, b, size, size, 0, nullptr, DI_NORMAL);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (first.Pixel(x, y) != second.Pixel(x, y))
                return false;
    return true;
}

// The icon of a message box: its icon static's, whatever identifier the
// system gave that static.
HICON ShownIcon(HWND box) {
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            if (HICON icon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0)))
                return icon;
    return nullptr;
}

// Records the message box's text and icon on stderr, where the parent test
// reads them, and closes the box.
LRESULT CALLBACK ReportMessageBox(int code, WPARAM wParam, LPARAM lParam) {
    HWND box = reinterpret_cast<HWND>(wParam);
    char className[32] = {};
    if (code == HCBT_ACTIVATE && box && ::GetClassNameA(box, className, sizeof className) &&
        std::string(className) == "#32770") {
        char text[256] = {};
        ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        const HICON shown = ShownIcon(box);
        const bool exclamation = shown &&
                                 IconsLookAlike(shown, ::LoadIconA(nullptr, IDI_EXCLAMATION)) &&
                                 !IconsLookAlike(shown, ::LoadIconA(nullptr, IDI_HAND));
        std::fprintf(stderr, "box: %s [%s]\n", text, exclamation ? "exclamation" : "other icon");
        std::fflush(stderr);
        ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void RunFormWithoutItsPicture(const std::string& imageFile) {
    CLauncherApp app;
    app.m_imageFile = imageFile;
    ScopedSetupIni ini("[main]\nbuttonCount=2\n");
    ::SetWindowsHookExA(WH_CBT, &ReportMessageBox, nullptr, ::GetCurrentThreadId());
    FormUnderTest form;
    form.DoModal();
    std::fprintf(stderr, "the form ran on\n");
}

TEST(FormPictureDeathTest, MissingPictureShowsTheMessageAndEndsTheProgramWithStatusZero) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    const char* expected = "box: Failed to load the image for the Launcher\\. \\[exclamation\\]";
    EXPECT_EXIT(RunFormWithoutItsPicture("no such picture.png"), testing::ExitedWithCode(0),
                expected);
    EXPECT_EXIT(RunFormWithoutItsPicture(""), testing::ExitedWithCode(0), expected);
    ScopedPictureFile text("form_test_not_a_picture.png", "not a picture\n");
    EXPECT_EXIT(RunFormWithoutItsPicture("form_test_not_a_picture.png"), testing::ExitedWithCode(0),
                expected);
}

// The timer that ends the first form of the application once it is shown.
CLauncherApp* g_startedApp = nullptr;
std::string g_mainWindowSeen;

void CALLBACK EndFirstForm(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    CWnd* main = g_startedApp ? g_startedApp->m_pMainWnd : nullptr;
    if (auto* form = dynamic_cast<CSubformDlg*>(main)) {
        g_mainWindowSeen = form->GetWindowText();
        ::PostMessageA(form->m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
}

TEST(StartUp, RunsTheMainFormAsTheMainWindowAndEndsWhenItCloses) {
    ScopedPictureFile picture(kPictureName, Bmp24(4, 4, Pixels(16, 0xFF000000)));
    ScopedSetupIni ini(std::string("[main]\nimageFile=") + kPictureName +
                       "\nproductName=Started\n[main]\nbuttonCount=0\n");
    CLauncherApp app;
    g_startedApp = &app;
    g_mainWindowSeen.clear();
    ::SetTimer(nullptr, 0, 50, &EndFirstForm);
    EXPECT_FALSE(app.InitInstance());
    g_startedApp = nullptr;
    EXPECT_EQ(g_mainWindowSeen, "Started");
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(app.m_language.size(), 2u);
}

} // namespace
