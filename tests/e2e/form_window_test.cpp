// The first form as the user meets it: window size and place, its buttons,
// their captions in the language of the run, and how many there are.
#include "driver/user_input.h"
#include "launcher_fixture.h"

#include <algorithm>

namespace {

constexpr uint32_t kFace = 0x123456;

// A button section: caption key, place and size.
std::string ButtonSection(int number, const std::string& label, int x, int y, int width,
                          int height) {
    return "[main.button" + std::to_string(number) + "]\nlabel=" + label +
           "\naction=exit\nfont=Tahoma\nx=" + std::to_string(x) + "\ny=" + std::to_string(y) +
           "\nwidth=" + std::to_string(width) + "\nheight=" + std::to_string(height) + "\n";
}

struct Box {
    int left, top, right, bottom;
};

bool SameRect(const RECT& rect, const Box& box) {
    return rect.left == box.left && rect.top == box.top && rect.right == box.right &&
           rect.bottom == box.bottom;
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// The number of separate bands of rows that hold dark (text) pixels inside a
// button, its frame left out.
int TextLinesIn(const ScreenImage& shot, const Box& button) {
    int lines = 0;
    bool inLine = false;
    for (int y = button.top + 3; y < button.bottom - 3; ++y) {
        bool dark = false;
        for (int x = button.left + 4; x < button.right - 4 && !dark; ++x) {
            const uint32_t p = shot.at(x, y);
            dark = RedOf(p) < 0x60 && GreenOf(p) < 0x60 && BlueOf(p) < 0x60;
        }
        lines += dark && !inLine;
        inLine = dark;
    }
    return lines;
}

TEST_F(LauncherTest, PictureOf640x480GivesA640x480BorderlessWindowCentredOnTheScreen) {
    WriteFile("face.bmp", PlainBmp(640, 480, kFace));
    WriteSetupIni(MainSection("face.bmp", "buttonCount=0"));
    Start();
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);

    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const LONG left = work.left + (work.right - work.left - 640) / 2;
    const LONG top = work.top + (work.bottom - work.top - 480) / 2;
    EXPECT_TRUE(SameRect(form.screenRect, {left, top, left + 640, top + 480}))
        << Describe(form.screenRect) << " on a screen of " << Describe(work);

    RECT client{};
    ::GetClientRect(form.hwnd, &client);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
    EXPECT_EQ(form.className, "#32770");
    EXPECT_TRUE(form.style & WS_POPUP);
    EXPECT_FALSE(form.style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_BORDER));
    EXPECT_FALSE(form.exStyle & WS_EX_APPWINDOW);
    EXPECT_TRUE(ChildrenOf(form.hwnd).empty());
}

TEST_F(LauncherTest, ButtonsSitAtTheirRectanglesAndNothingElseIsDrawnOverThePicture) {
    WriteFile("face.bmp", PlainBmp(640, 480, kFace));
    const Box boxes[] = {{10, 20, 110, 50}, {200, 300, 350, 340}, {500, 5, 620, 29}};
    std::string ini = MainSection("face.bmp", "buttonCount=3");
    for (int i = 0; i < 3; ++i) {
        const Box& b = boxes[i];
        ini += ButtonSection(i + 1, "IDS_B" + std::to_string(i + 1), b.left, b.top,
                             b.right - b.left, b.bottom - b.top);
    }
    ini += "[EN]\nIDS_B1=Install\nIDS_B2=Read me\nIDS_B3=Exit\n";
    WriteSetupIni(ini);
    Start("EN");
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);

    const std::vector<ChildFacts> children = ChildrenOf(form.hwnd);
    ASSERT_EQ(children.size(), 3u);
    const char* captions[] = {"Install", "Read me", "Exit"};
    for (int i = 0; i < 3; ++i) {
        const auto child = std::find_if(children.begin(), children.end(),
                                        [&](const ChildFacts& c) { return c.id == 10000 + i; });
        ASSERT_NE(child, children.end()) << "no child with id " << 10000 + i;
        EXPECT_EQ(child->className, "Button");
        EXPECT_TRUE(SameRect(child->rect, boxes[i])) << Describe(child->rect);
        EXPECT_EQ(child->caption, captions[i]);
        const LONG wanted = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        EXPECT_EQ(child->style & wanted, wanted);
    }

    // On the screen: every pixel that is not the picture's lies in a button,
    // and each button paints out to its edges.
    const ScreenImage shot = CaptureForm(form);
    ASSERT_EQ(shot.width(), 640);
    RECT drawn[3] = {{640, 480, -1, -1}, {640, 480, -1, -1}, {640, 480, -1, -1}};
    int outside = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.at(x, y) == kFace)
                continue;
            int in = -1;
            for (int i = 0; i < 3; ++i)
                if (x >= boxes[i].left && x < boxes[i].right && y >= boxes[i].top &&
                    y < boxes[i].bottom)
                    in = i;
            if (in < 0) {
                ++outside;
                continue;
            }
            RECT& r = drawn[in];
            r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y),
                 std::max<LONG>(r.right, x + 1), std::max<LONG>(r.bottom, y + 1)};
        }
    EXPECT_EQ(outside, 0) << "pixels changed outside every button";
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(SameRect(drawn[i], boxes[i]))
            << "button " << i + 1 << " drew " << Describe(drawn[i]);
}

TEST_F(LauncherTest, CaptionsComeFromTheSectionOfTheLanguageArgument) {
    WriteFile("face.bmp", PlainBmp(640, 480, kFace));
    WriteSetupIni(MainSection("face.bmp", "buttonCount=2") +
                  ButtonSection(1, "IDS_INSTALL_PRODUCT", 20, 20, 200, 30) +
                  ButtonSection(2, "IDS_TWO_LINES", 20, 80, 200, 48) +
                  "[EN]\nIDS_INSTALL_PRODUCT=Install the product\n"
                  "IDS_TWO_LINES=First line\\nSecond line\n"
                  "[FR]\nIDS_INSTALL_PRODUCT=Installer le produit\n"
                  "IDS_TWO_LINES=Premi\xE8re ligne\\nDeuxi\xE8me ligne\n");
    Start("FR");
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);
    const std::vector<ChildFacts> children = ChildrenOf(form.hwnd);
    ASSERT_EQ(children.size(), 2u);
    for (const ChildFacts& child : children) {
        if (child.id == 10000)
            EXPECT_EQ(child.caption, "Installer le produit");
        else
            EXPECT_EQ(child.caption, "Premi\xE8re ligne\nDeuxi\xE8me ligne");
    }
    const ScreenImage shot = CaptureForm(form);
    EXPECT_EQ(TextLinesIn(shot, {20, 20, 220, 50}), 1);
    EXPECT_EQ(TextLinesIn(shot, {20, 80, 220, 128}), 2);
}

TEST_F(LauncherTest, EscapeEndsAFormWithoutButtons) {
    WriteFile("face.bmp", PlainBmp(200, 100, kFace));
    WriteSetupIni(MainSection("face.bmp", "buttonCount=0"));
    LaunchedProgram& launcher = Start();
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);
    PostKey(form.hwnd, VK_ESCAPE);
    const std::optional<DWORD> status = launcher.WaitForExit(kWaitMs);
    ASSERT_TRUE(status.has_value()) << "the launcher is still running";
    EXPECT_LT(*status, 0xC0000000u) << "ended by an exception";
}

TEST_F(LauncherTest, HoveringAButtonRaisesItsFrameAndLeavingRestoresItsFace) {
    WriteFile("face.bmp", PlainBmp(400, 300, kFace));
    WriteSetupIni(MainSection("face.bmp", "buttonCount=1") +
                  ButtonSection(1, "IDS_GO", 100, 100, 160, 40) + "[EN]\nIDS_GO=Go\n");
    Start("EN");
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);
    const RECT button{form.screenRect.left + 100, form.screenRect.top + 100,
                      form.screenRect.left + 260, form.screenRect.top + 140};
    const ScreenImage atRest = CaptureWhenSettled(button);

    HoverAt(POINT{button.left + 80, button.top + 20});
    ScreenImage hovered = CaptureWhenSettled(button);
    for (int tries = 0; tries < 20 && hovered == atRest; ++tries)
        hovered = CaptureWhenSettled(button);
    ASSERT_NE(hovered, atRest) << "hovering changed nothing";
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT),
                   shadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(hovered.at(0, 0), PackRgb(GetRValue(light), GetGValue(light), GetBValue(light)));
    EXPECT_EQ(hovered.at(159, 39),
              PackRgb(GetRValue(shadow), GetGValue(shadow), GetBValue(shadow)));

    MovePointerAway();
    ScreenImage left = CaptureWhenSettled(button);
    for (int tries = 0; tries < 20 && left != atRest; ++tries)
        left = CaptureWhenSettled(button);
    EXPECT_EQ(left, atRest) << "the face did not come back when the pointer left";
}

struct CountCase {
    const char* name;
    const char* line; // the [main] buttonCount line, or nothing
    size_t buttons;
};

void PrintTo(const CountCase& c, std::ostream* out) {
    *out << c.name;
}

class ButtonCount : public LauncherTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ButtonCount, GivesThatManyButtonsFromTheFirstSections) {
    WriteFile("face.bmp", PlainBmp(640, 480, kFace));
    std::string ini = MainSection("face.bmp", GetParam().line);
    for (int i = 1; i <= 12; ++i)
        ini += ButtonSection(i, "IDS_B", 10 + 52 * (i - 1), 10 + 30 * (i - 1), 40, 24);
    WriteSetupIni(ini + "[EN]\nIDS_B=Go\n");
    Start("EN");
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);
    const std::vector<ChildFacts> children = ChildrenOf(form.hwnd);
    ASSERT_EQ(children.size(), GetParam().buttons);
    for (const ChildFacts& child : children) {
        const int i = child.id - 10000 + 1;
        ASSERT_GE(i, 1);
        ASSERT_LE(size_t(i), GetParam().buttons);
        EXPECT_TRUE(SameRect(child.rect, {10 + 52 * (i - 1), 10 + 30 * (i - 1), 50 + 52 * (i - 1),
                                          34 + 30 * (i - 1)}))
            << "button " << i << " at " << Describe(child.rect);
    }
}

INSTANTIATE_TEST_SUITE_P(Form, ButtonCount,
                         ::testing::Values(CountCase{"absent", "", 5},
                                           CountCase{"zero", "buttonCount=0", 0},
                                           CountCase{"negative", "buttonCount=-3", 0},
                                           CountCase{"three", "buttonCount=3", 3},
                                           CountCase{"twelve", "buttonCount=12", 10}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
