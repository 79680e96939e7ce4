// A UTF-8 Setup.ini on a Western system, with and without the mark: texts in
// code page 1252, "?" for what it lacks, [main] read (the title comes from it).
#include "action_fixture.h"

namespace {

const std::string kUtf8Texts =
    "[main.button1]\nlabel=IDS_GO\naction=msgbox\nurl=IDS_MSG\nx=10\ny=10\nwidth=300\nheight=40\n"
    "[FR]\nIDS_GO=D\xC3\xA9marrer l'\xC3\xA9t\xC3\xA9\nIDS_MSG=\xC3\x87"
    "a co\xC3\xBBte 5 "
    "\xE2\x82\xAC, \xC5\x91 non\n[DE]\nIDS_GO=Schlie\xC3\x9F"
    "en\n"
    "IDS_MSG=Gr\xC3\xBC\xC3\x9F"
    "e aus K\xC3\xB6ln\n";

TEST_F(ActionTest, Utf8TextsShowInTheWesternCodePageWithAndWithoutTheMark) {
    WriteFile("face.bmp", PlainBmp(400, 200, 0x336699));
    const struct {
        const char* language;
        std::string caption; // in code page 1252
        std::string message;
    } cases[] = {
        {"FR", "D\xE9marrer l'\xE9t\xE9",
         "\xC7"
         "a co\xFBte 5 \x80, ? non"},
        {"DE",
         "Schlie\xDF"
         "en",
         "Gr\xFC\xDF"
         "e aus K\xF6ln"},
    };
    for (const char* mark : {"", "\xEF\xBB\xBF"})
        for (const auto& c : cases) {
            SCOPED_TRACE(c.language + std::string(*mark ? " with the mark" : ""));
            WriteSetupIni(mark + MainSection("face.bmp", "buttonCount=1") + kUtf8Texts);
            Start(c.language);
            const WindowFacts form = WaitForForm();
            ASSERT_NE(form.hwnd, nullptr);
            char caption[64] = {};
            ::GetWindowTextA(Button(form, 1), caption, sizeof caption);
            EXPECT_EQ(caption, c.caption);
            EXPECT_EQ(PressForMessage(form, 1).text, c.message);
        }
}

} // namespace
