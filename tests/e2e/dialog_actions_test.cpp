// The buttons that run a dialog first: the licence click-through and the
// database password dialog, worked from outside like a user.
#include "action_fixture.h"
#include "driver/user_input.h"

namespace {

constexpr const char* kDialogTexts = "IDS_LICENSECAPTION=Licence agreement\nIDS_EULA=L.rtf\n"
                                     "IDS_REBOOT_REQUIRED=Please restart.\n";

// Waits until the window is gone; false when it stays.
bool WaitUntilClosed(HWND window) {
    const DWORD start = ::GetTickCount();
    while (::IsWindow(window) && ::GetTickCount() - start < kWaitMs)
        ::Sleep(20);
    return !::IsWindow(window);
}

TEST_F(ActionTest, ClickThroughOpensOnlyWhenTheLicenceIsAccepted) {
    WriteForms({{"clickThru", "prog.exe", "/accepted $LANGUAGE"}}, "", kDialogTexts);
    ::CreateDirectoryA((folder() + "\\EN").c_str(), nullptr);
    WriteFile("EN\\L.rtf", "{\\rtf1\\ansi Terms.}");
    Start("EN");
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);

    const struct {
        const char* way;
        void (*leave)(HWND licence);
    } declines[] = {
        {"Exit", [](HWND licence) { PressButton(::GetDlgItem(licence, IDCANCEL)); }},
        {"Escape", [](HWND licence) { PostKey(licence, VK_ESCAPE); }},
        {"close box", [](HWND licence) { ::PostMessageA(licence, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& decline : declines) {
        SCOPED_TRACE(decline.way);
        PressButton(Button(form, 1));
        const WindowFacts licence = WaitForWindow(program().id(), "Licence agreement", kWaitMs);
        ASSERT_NE(licence.hwnd, nullptr);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(licence.hwnd, IDOK)));
        decline.leave(licence.hwnd);
        EXPECT_TRUE(WaitUntilClosed(licence.hwnd));
        EXPECT_TRUE(::IsWindowEnabled(form.hwnd));
    }

    PressButton(Button(form, 1));
    const WindowFacts licence = WaitForWindow(program().id(), "Licence agreement", kWaitMs);
    ASSERT_NE(licence.hwnd, nullptr);
    // The licence is shown, and typing changes nothing of it.
    const HWND text = ::GetDlgItem(licence.hwnd, 120);
    const DWORD shown = ::GetTickCount();
    while (::SendMessageA(text, WM_GETTEXTLENGTH, 0, 0) == 0 && ::GetTickCount() - shown < kWaitMs)
        ::Sleep(20);
    for (WPARAM key : {WPARAM{'x'}, WPARAM{VK_BACK}, WPARAM{'\r'}})
        ::SendMessageA(text, WM_CHAR, key, 0);
    char licenceText[32] = {};
    ::SendMessageA(text, WM_GETTEXT, sizeof licenceText, reinterpret_cast<LPARAM>(licenceText));
    EXPECT_STREQ(licenceText, "Terms.");
    PressButton(::GetDlgItem(licence.hwnd, 118)); // the agreement box
    PressButton(::GetDlgItem(licence.hwnd, IDOK));
    EXPECT_TRUE(WaitUntilClosed(licence.hwnd));
    EXPECT_EQ(WaitForRecords(1),
              "CMD=\"" + folder() + "\\prog.exe\" /accepted EN\nCWD=" + folder() + "\n");
}

TEST_F(ActionTest, DatabaseButtonRunsTheInstallerWithThePasswordAndLeavesNoCommandFile) {
    // A temporary folder with a blank in its name, as a user's "First Last" folder gives it.
    const std::string temporary = folder() + "\\temp dir\\";
    ::CreateDirectoryA(temporary.c_str(), nullptr);
    ::SetEnvironmentVariableA("TMP", temporary.c_str());
    ::SetEnvironmentVariableA("RECORDER_SLEEP_MS", "1500");
    const std::string commandFile = temporary + "SQLExpress_Setup.bat";
    WriteForms({{"sqlexpress", "prog.exe", "/SAPWD=$PASSWORD /LOG=\"$LOGFILE\" /L=$LANGUAGE"}}, "",
               kDialogTexts);
    Start("EN");
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);

    PressButton(Button(form, 1));
    const WindowFacts dialog = WaitForWindow(program().id(), "SQL Express", kWaitMs);
    ASSERT_NE(dialog.hwnd, nullptr);
    const HWND install = ::GetDlgItem(dialog.hwnd, 108);
    EXPECT_FALSE(::IsWindowEnabled(install));
    for (int field : {103, 105})
        ::SendMessageA(::GetDlgItem(dialog.hwnd, field), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>("Secret 12"));
    EXPECT_TRUE(::IsWindowEnabled(install));
    PressButton(install);
    // Another program takes the foreground while the installer runs.
    WaitForRecords(1);
    const HWND other = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                         200, nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(other);

    const WindowFacts box = WaitForMessageBox();
    ASSERT_NE(box.hwnd, nullptr);
    const DWORD shown = ::GetTickCount();
    while (::GetForegroundWindow() != box.hwnd && ::GetTickCount() - shown < kWaitMs)
        ::Sleep(20);
    EXPECT_EQ(::GetForegroundWindow(), box.hwnd);
    ::DestroyWindow(other);
    EXPECT_EQ(MessageBoxText(box.hwnd), "Please restart.");
    EXPECT_EQ(MessageBoxIconOf(box.hwnd), IDI_EXCLAMATION);
    // Program and arguments exactly as configured, the password as typed.
    EXPECT_EQ(WaitForRecords(1), "CMD=\"prog.exe\" /SAPWD=Secret 12 /LOG=\"" + temporary +
                                     "SQLExpress_Setup.log\" /L=$LANGUAGE\nCWD=" + folder() + "\n");
    EXPECT_EQ(::GetFileAttributesA(commandFile.c_str()), INVALID_FILE_ATTRIBUTES);
    PressOk(box.hwnd);
    EXPECT_TRUE(WaitUntilClosed(dialog.hwnd));
    EXPECT_TRUE(::IsWindowVisible(form.hwnd));
}

} // namespace
