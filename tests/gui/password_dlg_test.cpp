#include "app/paths.h"
#include "app/program_folder.h"
#include "dialogs/installer_command.h"
#include "dialogs/installer_process.h"
#include "dialogs/password_dlg.h"
#include "framework/screen_scale.h"
#include "res/resource.h"
#include "scripted_run.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kShortLimitMs = 200;
// A program left running past the short limit may write its record late on a
// loaded machine; a record that must not come is awaited as long.
constexpr DWORD kRecordWaitMs = 10000;
constexpr const char* kPassword = "Abcd12";

const std::string kTexts = "[EN]\nIDS_CAPTION=Choose a password\nIDS_CONFIRM=Again:\n"
                           "IDS_PASSWORD=Password:\nIDS_CANCEL=Stop\nIDS_INSTALL=Go\n"
                           "IDS_SQLEXPRESS_FAILED=Installer failed\n"
                           "IDS_REBOOT_REQUIRED=Restart needed\n";

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string PlatformFolder(DWORD(WINAPI* query)(DWORD, LPSTR)) {
    char folder[MAX_PATH] = {};
    return std::string(folder, query(MAX_PATH, folder));
}

// The dialog run with a script (see scripted_run.h), the recorded start and the seams.
class PasswordDlgUnderTest : public ScriptedRun<PasswordDlgUnderTest, CPasswordDlg> {
public:
    PasswordDlgUnderTest(std::string program, std::string args)
        : ScriptedRun("EN", std::move(program), std::move(args), nullptr) {}

    bool elevationRequired = false;
    std::string commandFileAtStart;

    void ShortenTimeLimit() { m_installerTimeLimitMs = kShortLimitMs; }
    HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }
    const std::string& Password() const { return m_strPassword; }
    void Type(const char* password, const char* confirmation) const {
        ::SendMessageA(Item(IDC_PASSWORD_EDIT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(password));
        ::SendMessageA(Item(IDC_CONFIRM_EDIT), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(confirmation));
    }

protected:
    DWORD StartInstaller(const std::string& commandLine, UniqueHandle& process) override {
        commandFileAtStart = ReadFileBytes(PlatformFolder(::GetTempPathA) + kCommandFileName);
        if (elevationRequired)
            return kErrorElevationRequired;
        return CPasswordDlg::StartInstaller(commandLine, process);
    }
};

// Sets an environment variable for one test, then restores it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : m_name(name) {
        char old[MAX_PATH] = {};
        const DWORD length = ::GetEnvironmentVariableA(name, old, sizeof old);
        if (length > 0 && length < sizeof old)
            m_old = std::string(old, length);
        ::SetEnvironmentVariableA(name, value.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() { ::SetEnvironmentVariableA(m_name, m_old ? m_old->c_str() : nullptr); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class PasswordDlgTest : public testing::Test {
protected:
    PasswordDlgTest() : m_recorderLog("RECORDER_LOG", m_logPath) {
        ::DeleteFileA(m_logPath.c_str());
        ::DeleteFileA(m_commandFile.c_str());
    }
    ~PasswordDlgTest() override { ::DeleteFileA(m_logPath.c_str()); }

    // Runs the dialog on this Setup.ini; the checks type and press.
    INT_PTR Run(PasswordDlgUnderTest& dialog, std::function<void(PasswordDlgUnderTest&)> checks,
                const std::string& ini = kTexts) {
        ScopedSetupIni setup(ini);
        return dialog.RunScript(std::move(checks));
    }

    static void TypeAndInstall(PasswordDlgUnderTest& dialog, const char* password = kPassword) {
        dialog.Type(password, password);
        ::SendMessageA(dialog.Item(IDC_PASSWORD_INSTALL), BM_CLICK, 0, 0);
    }

    const std::string m_folder = GetProgramFolder();
    const std::string m_recorder = m_folder + "recorder.exe";
    const std::string m_logPath = m_folder + "password_dlg_recorder.log";
    const std::string m_commandFile = PlatformFolder(::GetTempPathA) + kCommandFileName;
    ScopedEnvironment m_recorderLog;
};

TEST_F(PasswordDlgTest, InstallIsEnabledAndFocusedOnlyWhileTheEntryIsValid) {
    struct EntryCase {
        const char* password;
        const char* confirmation;
        bool valid;
    };
    const EntryCase cases[] = {
        {"Abcd1", "Abcd1", false},
        {"Abcd12", "Abcd12", true},
        {"Abcd12", "abcd12", false},
        {"\xC4"
         "bcd12",
         "\xC4"
         "bcd12",
         false},
    };
    PasswordDlgUnderTest dialog(m_recorder, "");
    Run(dialog, [&](PasswordDlgUnderTest& d) {
        EXPECT_EQ(::GetFocus(), d.Item(IDC_PASSWORD_EDIT));
        EXPECT_FALSE(::IsWindowEnabled(d.Item(IDC_PASSWORD_INSTALL)));
        EXPECT_EQ(d.GetExStyle() & WS_EX_APPWINDOW, 0u);
        EXPECT_EQ(CWnd::FromHandle(d.Item(IDC_PASSWORD_PROMPT))->GetWindowText(),
                  "Choose a password");
        EXPECT_EQ(CWnd::FromHandle(d.Item(IDC_PASSWORD_INSTALL))->GetWindowText(), "Go");
        for (const EntryCase& c : cases) {
            d.Type("", "");
            ::SetFocus(d.Item(IDC_CONFIRM_EDIT));
            d.Type(c.password, c.confirmation);
            EXPECT_EQ(::IsWindowEnabled(d.Item(IDC_PASSWORD_INSTALL)) != FALSE, c.valid)
                << c.password << " / " << c.confirmation;
            EXPECT_EQ(::GetFocus(), d.Item(c.valid ? IDC_PASSWORD_INSTALL : IDC_CONFIRM_EDIT))
                << c.password << " / " << c.confirmation;
        }
    });
}

TEST_F(PasswordDlgTest, InstallerGetsTheCommandLineAndNothingKeepsThePassword) {
    const std::string copy = m_folder + "recorder_EN.exe";
    const OnScopeExit removeCopy([&] { ::DeleteFileA(copy.c_str()); });
    ASSERT_TRUE(::CopyFileA(m_recorder.c_str(), copy.c_str(), FALSE));
    const char* password = "Ab 1\"cd";
    const ScopedEnvironment exitCode("RECORDER_EXIT_CODE", "3"); // any ending counts alike
    PasswordDlgUnderTest dialog(m_folder + "recorder_$LANGUAGE.exe",
                                "/log=\"$LOGFILE\" /sa=$PASSWORD /again=$PASSWORD /l=$LANGUAGE");
    MessageBoxWatcher watcher;
    const INT_PTR result =
        Run(dialog, [&](PasswordDlgUnderTest& d) { TypeAndInstall(d, password); });

    const std::string log = PlatformFolder(::GetTempPathA) + kLogFileName;
    const std::string commandLine =
        "\"" + copy + "\" /log=\"" + log + "\" /sa=Ab 1\"cd /again=Ab 1\"cd /l=$LANGUAGE";
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadFileBytes(m_logPath),
              "CMD=" + commandLine + "\nCWD=" + PlatformFolder(::GetCurrentDirectoryA) + "\n");
    EXPECT_EQ(dialog.commandFileAtStart, commandLine);
    EXPECT_FALSE(FileExists(m_commandFile));
    EXPECT_EQ(dialog.Password(), "");
    ASSERT_EQ(watcher.boxes().size(), 1u);
    EXPECT_EQ(watcher.boxes()[0].text, "Restart needed");
    EXPECT_EQ(watcher.boxes()[0].icon, ::LoadIconA(nullptr, IDI_EXCLAMATION));
}

TEST_F(PasswordDlgTest, EveryOutcomeIsReportedAndTheCommandFileIsGone) {
    struct OutcomeCase {
        const char* name;
        std::string program;
        const char* neverIdle;
        const char* sleepMs;
        bool elevationRequired;
        bool shortLimit;
        const char* message;
        LPCSTR icon;
        bool started;
    };
    const OutcomeCase cases[] = {
        {"still running", m_recorder, "0", "2000", false, true, "Installer failed", IDI_HAND, true},
        {"never idle", m_recorder, "1", "2000", false, true, "Installer failed", IDI_HAND, true},
        {"missing program", m_folder + "no_such_installer.exe", "0", "0", false, false,
         "Installer failed", IDI_HAND, false},
        // Found by its bare name in the launcher's folder, started through the shell.
        {"elevation required", "recorder", "0", "0", true, false, "Restart needed", IDI_EXCLAMATION,
         true},
        // Only in the current folder and on the search path: never started, let alone elevated.
        {"planted", "planted", "0", "0", false, false, "Installer failed", IDI_HAND, false},
        {"planted elevated", "planted", "0", "0", true, false, "Installer failed", IDI_HAND, false},
    };
    const std::string planted = PlatformFolder(::GetTempPathA) + "planted_folder";
    ::CreateDirectoryA(planted.c_str(), nullptr);
    const std::string outerFolder = PlatformFolder(::GetCurrentDirectoryA);
    const OnScopeExit back([&] {
        ::SetCurrentDirectoryA(outerFolder.c_str());
        ::DeleteFileA((planted + "\\planted.exe").c_str());
    });
    ASSERT_TRUE(::CopyFileA(m_recorder.c_str(), (planted + "\\planted.exe").c_str(), FALSE));
    ::SetCurrentDirectoryA(planted.c_str());
    const ScopedEnvironment path("PATH", planted);
    for (const OutcomeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ScopedEnvironment neverIdle("RECORDER_NEVER_IDLE", c.neverIdle);
        const ScopedEnvironment sleep("RECORDER_SLEEP_MS", c.sleepMs);
        ::DeleteFileA(m_logPath.c_str());
        PasswordDlgUnderTest dialog(c.program, "/sa=$PASSWORD");
        dialog.elevationRequired = c.elevationRequired;
        if (c.shortLimit)
            dialog.ShortenTimeLimit();
        MessageBoxWatcher watcher;
        EXPECT_EQ(Run(dialog, [](PasswordDlgUnderTest& d) { TypeAndInstall(d); }), IDOK);
        ASSERT_EQ(watcher.boxes().size(), 1u);
        EXPECT_EQ(watcher.boxes()[0].text, c.message);
        EXPECT_EQ(watcher.boxes()[0].icon, ::LoadIconA(nullptr, c.icon));
        // Any program started with the password: the recorder or a planted copy of it.
        const std::string line = std::string(".exe\" /sa=") + kPassword + "\n";
        EXPECT_EQ(PumpMessagesUntil(
                      [&] { return ReadFileBytes(m_logPath).find(line) != std::string::npos; },
                      kRecordWaitMs),
                  c.started)
            << ReadFileBytes(m_logPath);
        EXPECT_FALSE(FileExists(m_commandFile));
    }
}

// A temporary folder that is missing: the not-found message (without its text,
// the key itself tells what failed). One the code page cannot spell, with no
// short name either: refused with a message, and no file written anywhere.
TEST_F(PasswordDlgTest, TemporaryFolderThatCannotTakeTheCommandFileIsReported) {
    const struct {
        const char* name;
        std::wstring folder;
        std::string message;
    } cases[] = {
        {"missing", L"no_such_folder\\",
         "IDS_FILENOTFOUND: " + m_folder + "no_such_folder\\" + kCommandFileName},
        {"unspellable", L"\x0423\x0441\x0442\x0430\x043D\x043E\x0432\x043A\x0430\\",
         "This system cannot spell the temporary folder\n\n" + m_folder +
             "?????????\\\n\nSet TEMP to a folder of Latin letters."},
    };
    // Where a command file without a folder would land.
    const OnScopeExit removeStray([] { ::DeleteFileA(kCommandFileName); });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ScopedEnvironment tmp("TMP", "");
        ::SetEnvironmentVariableW(L"TMP", (GetProgramFolderWide().data() + c.folder).c_str());
        PasswordDlgUnderTest dialog(m_recorder, "/sa=$PASSWORD");
        MessageBoxWatcher watcher;
        EXPECT_EQ(Run(dialog, [](PasswordDlgUnderTest& d) { TypeAndInstall(d); }), IDOK);
        ASSERT_EQ(watcher.boxes().size(), 1u);
        EXPECT_EQ(watcher.boxes()[0].text, c.message);
        EXPECT_FALSE(FileExists(m_logPath));
        EXPECT_FALSE(FileExists(kCommandFileName));
    }
}

// The pictures the controls of this thread handed back through STM_SETIMAGE.
std::vector<HGDIOBJ> g_handedBack;

LRESULT CALLBACK RecordHandedBackPictures(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == STM_SETIMAGE && call->lResult)
        g_handedBack.push_back(reinterpret_cast<HGDIOBJ>(call->lResult));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// In a process started on a display at 144 DPI, where the dialog scales its
// header: opens the dialog twice, then tells what is left of the pictures
// handed back and whether the process holds more GDI objects after the second
// run than after the first (Wine does not count them: 0 and 0).
void OpenTwiceAtAScale() {
    DeclareScaleAware();
    const HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &RecordHandedBackPictures, nullptr,
                                           ::GetCurrentThreadId());
    DWORD objects[2] = {};
    for (DWORD& held : objects) {
        ScopedSetupIni setup(kTexts);
        PasswordDlgUnderTest("recorder.exe", "").RunScript([](PasswordDlgUnderTest&) {});
        held = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    }
    ::UnhookWindowsHookEx(hook);
    const auto alive = std::count_if(g_handedBack.begin(), g_handedBack.end(),
                                     [](HGDIOBJ picture) { return ::GetObjectType(picture) != 0; });
    std::fprintf(stderr, "at %d DPI: %zu handed back, %d alive, %s\n", ScreenFit().dpi,
                 g_handedBack.size(), static_cast<int>(alive),
                 objects[1] <= objects[0] ? "no more objects" : "more objects");
    std::exit(0);
}

TEST(PasswordDlgScaledDeathTest, EachOpeningFreesThePictureItsHeaderHandsBack) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    // The prefix's display scale, read by each program as it starts; it has none of its own.
    const char* key = "Control Panel\\Desktop";
    const DWORD dpi = 144;
    ::RegSetKeyValueA(HKEY_CURRENT_USER, key, "LogPixels", REG_DWORD, &dpi, sizeof dpi);
    const OnScopeExit restore([key] { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, key, "LogPixels"); });
    EXPECT_EXIT(OpenTwiceAtAScale(), testing::ExitedWithCode(0),
                "at 144 DPI: 2 handed back, 0 alive, no more objects");
}

TEST_F(PasswordDlgTest, CancelAndEscapeEndWithoutWritingOrStarting) {
    const std::function<void(PasswordDlgUnderTest&)> endings[] = {
        [](PasswordDlgUnderTest& d) {
            ::SendMessageA(d.Item(IDC_PASSWORD_CANCEL), BM_CLICK, 0, 0);
        },
        [](PasswordDlgUnderTest& d) {
            ::SetFocus(d.Item(IDC_PASSWORD_EDIT));
            ::PostMessageA(d.Item(IDC_PASSWORD_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
        },
    };
    for (const auto& end : endings) {
        PasswordDlgUnderTest dialog(m_recorder, "/sa=$PASSWORD");
        MessageBoxWatcher watcher;
        EXPECT_EQ(Run(dialog,
                      [&](PasswordDlgUnderTest& d) {
                          d.Type(kPassword, kPassword);
                          end(d);
                      }),
                  IDCANCEL);
        EXPECT_TRUE(watcher.boxes().empty());
        EXPECT_FALSE(FileExists(m_commandFile));
        EXPECT_FALSE(FileExists(m_logPath));
    }
}

} // namespace
