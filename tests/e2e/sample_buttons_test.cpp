// The sample folder demo/ tried button by button, as a user would, with the
// sample installer (copied in as setup\install.exe and setup\database.exe)
// showing how the launcher started it.
#include "launcher_fixture.h"

#include "driver/user_input.h"

namespace {

constexpr const char* kSampleTitle = "Sample Product Setup";
// Control ids of the licence agreement and password dialogs.
constexpr int kAgreementBox = 118;
constexpr int kPasswordEdit = 103;
constexpr int kConfirmEdit = 105;
constexpr int kInstallButton = 108;

bool WaitUntilGone(HWND window) {
    const DWORD start = ::GetTickCount();
    while (::IsWindow(window) && ::GetTickCount() - start < kWaitMs)
        ::Sleep(20);
    return !::IsWindow(window);
}

// A visible form of the process other than `first`.
WindowFacts WaitForSecondForm(DWORD processId, HWND first) {
    const DWORD start = ::GetTickCount();
    do {
        for (const WindowFacts& window : TopLevelWindows(processId))
            if (window.hwnd != first && window.title == kSampleTitle && (window.style & WS_VISIBLE))
                return window;
        ::Sleep(20);
    } while (::GetTickCount() - start < kWaitMs);
    return {};
}

// The text of the sample installer's box once it comes; the box is answered.
std::string AnswerSampleInstaller(const std::string& fileName) {
    const WindowFacts box = WaitForWindowOfAnyProcess(fileName, kWaitMs);
    if (!box.hwnd)
        return "(no box titled " + fileName + ")";
    const std::string text = MessageBoxText(box.hwnd);
    PressOk(box.hwnd);
    EXPECT_TRUE(WaitUntilGone(box.hwnd));
    return text;
}

// Install Sample Product: the licence first, then the installer in the
// language of the run.
void InstallThroughTheLicence(DWORD processId, HWND form) {
    PressButton(FormButton(form, 1));
    const WindowFacts licence = WaitForWindow(processId, "Licence agreement", kWaitMs);
    ASSERT_NE(licence.hwnd, nullptr);
    const HWND proceed = ::GetDlgItem(licence.hwnd, IDOK);
    EXPECT_FALSE(::IsWindowEnabled(proceed));
    PressButton(::GetDlgItem(licence.hwnd, kAgreementBox));
    PressButton(proceed);
    const std::string installer = AnswerSampleInstaller("install.exe");
    EXPECT_NE(installer.find("Arguments: /lang 1033"), std::string::npos) << installer;
}

// The sample under a Cyrillic name on a Western system, which cannot spell
// it: the launcher finds its files through the folder's short name. The
// folder gets its own name back at the end, to be cleared away.
TEST_F(LauncherTest, SampleFolderNamedOutsideTheCodePageWorks) {
    ASSERT_EQ(::GetACP(), 1252u) << "a Western code page, without Cyrillic";
    CopySample();
    const std::wstring plain = Widened(folder(), CP_ACP);
    struct Renamed {
        std::wstring from, to;
        ~Renamed() { ::MoveFileW(to.c_str(), from.c_str()); }
    } const named{plain, plain + L"-\x0423\x0441\x0442\x0430\x043D\x043E\x0432\x043A\x0430"};
    ASSERT_TRUE(::MoveFileW(named.from.c_str(), named.to.c_str()));
    LaunchedProgram launcher(named.to + L"\\launcher.exe", named.to, L"EN");
    const WindowFacts form = WaitForWindow(launcher.id(), kSampleTitle, kWaitMs);
    ASSERT_NE(form.hwnd, nullptr) << "no form: the folder was not read";
    EXPECT_EQ(ChildrenOf(form.hwnd).size(), 7u);
    InstallThroughTheLicence(launcher.id(), form.hwnd);
}

TEST_F(LauncherTest, SampleFolderWorksButtonByButton) {
    CopySample();
    Start("EN");
    const WindowFacts form = WaitForWindow(program().id(), kSampleTitle, kWaitMs);
    ASSERT_NE(form.hwnd, nullptr);
    // The forms draw their own buttons: the common controls wait for the
    // first window with standard controls.
    ASSERT_TRUE(program().WaitUntilIdle(kWaitMs));
    EXPECT_FALSE(program().HasLoaded("comctl32.dll"));

    // About: a message of the language's texts.
    PressButton(FormButton(form.hwnd, 6));
    WindowFacts box = WaitForMessageBox();
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_TRUE(program().HasLoaded("comctl32.dll"));
    EXPECT_EQ(MessageBoxText(box.hwnd), "Sample Product 2.1\n\xA9 2026 Example Software");
    EXPECT_EQ(MessageBoxIconOf(box.hwnd), IDI_ASTERISK);
    PressOk(box.hwnd);
    ASSERT_TRUE(WaitUntilGone(box.hwnd));

    // More...: the second form with its own message; Back closes it.
    PressButton(FormButton(form.hwnd, 5));
    const WindowFacts more = WaitForSecondForm(program().id(), form.hwnd);
    ASSERT_NE(more.hwnd, nullptr);
    PressButton(FormButton(more.hwnd, 1));
    box = WaitForMessageBox();
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(MessageBoxText(box.hwnd),
              "Windows 7 or later\n2 GB of memory\n500 MB of free disk space");
    PressOk(box.hwnd);
    ASSERT_TRUE(WaitUntilGone(box.hwnd));
    PressButton(FormButton(more.hwnd, 3));
    ASSERT_TRUE(WaitUntilGone(more.hwnd));

    InstallThroughTheLicence(program().id(), form.hwnd);

    // Install the database: the password, then the installer with the
    // password and the log file in the temporary folder, then the reboot note.
    PressButton(FormButton(form.hwnd, 2));
    const WindowFacts password = WaitForWindow(program().id(), "SQL Express", kWaitMs);
    ASSERT_NE(password.hwnd, nullptr);
    const HWND install = ::GetDlgItem(password.hwnd, kInstallButton);
    EXPECT_FALSE(::IsWindowEnabled(install));
    for (int edit : {kPasswordEdit, kConfirmEdit})
        ::SendMessageA(::GetDlgItem(password.hwnd, edit), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>("Sample1"));
    EXPECT_TRUE(::IsWindowEnabled(install));
    PressButton(install);
    char temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathA(sizeof temp, temp), 0u);
    const std::string database = AnswerSampleInstaller("database.exe");
    EXPECT_NE(database.find("Arguments: /ACTION=Install /SAPWD=\"Sample1\" /LOG=\"" +
                            std::string(temp) + "SQLExpress_Setup.log\""),
              std::string::npos)
        << database;
    box = WaitForMessageBox();
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(MessageBoxText(box.hwnd), "The database installation has ended. Please restart "
                                        "the computer before you use Sample Product.");
    PressOk(box.hwnd);
    ASSERT_TRUE(WaitUntilGone(box.hwnd));
    EXPECT_EQ(::GetFileAttributesA((std::string(temp) + "SQLExpress_Setup.bat").c_str()),
              INVALID_FILE_ATTRIBUTES);

    // Exit ends the program.
    PressButton(FormButton(form.hwnd, 7));
    EXPECT_EQ(program().WaitForExit(kWaitMs), std::optional<DWORD>(0));
}

} // namespace
