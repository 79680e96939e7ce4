#include "app/launcher_app.h"
#include "app/program_folder.h"
#include "dialogs/license_agreement.h"
#include "framework/app.h"
#include "res/resource.h"
#include "scripted_run.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

constexpr const char* kRoot = "license_test_eula";
// [EN] comes last, so that each run can add its own IDS_EULA.
constexpr const char* kTexts = "[FR]\nIDS_LICENSECAPTION=Licence FR\nIDS_OK=Continuer\n"
                               "IDS_CANCEL=Quitter\nIDS_AGREEMENT=J'accepte\n"
                               "IDS_LICENSEHEADER=Veuillez lire\n[EN]\nIDS_LICENSECAPTION=Licence\n"
                               "IDS_OK=Continue\nIDS_CANCEL=Exit\nIDS_AGREEMENT=I agree\n"
                               "IDS_LICENSEHEADER=Please read\n";

class LicenseUnderTest : public ScriptedRun<LicenseUnderTest, CLicenseAgreement> {
public:
    explicit LicenseUnderTest(const char* language) : ScriptedRun(language, nullptr) {}
};

std::string Text(HWND window) {
    char text[300] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}
LRESULT Send(HWND dialog, int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendDlgItemMessageA(dialog, id, msg, wParam, lParam);
}
// EM_SETBKGNDCOLOR answers the previous colour.
COLORREF Background(HWND d) {
    return static_cast<COLORREF>(Send(d, IDC_LICENSE_TEXT, EM_SETBKGNDCOLOR, 0, 0x123456));
}

class LicenseTest : public testing::Test {
protected:
    LicenseTest() {
        m_app.m_eulaRoot = kRoot;
        ::CreateDirectoryA(Root().c_str(), nullptr);
        ::CreateDirectoryA(Folder().c_str(), nullptr);
    }
    ~LicenseTest() override {
        ::DeleteFileA(File().c_str());
        ::RemoveDirectoryA(Folder().c_str());
        ::RemoveDirectoryA(Root().c_str());
    }
    static std::string Root() { return GetProgramFolder() + kRoot; }
    static std::string Folder() { return Root() + "\\EN"; }
    static std::string File() { return Folder() + "\\License.rtf"; }
    static INT_PTR Run(std::function<void(HWND)> shown, const char* language = "EN",
                       const std::string& eula = "License.rtf") {
        ScopedSetupIni setup(kTexts + ("IDS_EULA=" + eula + "\n"));
        return LicenseUnderTest(language).RunScript(
            [&shown](LicenseUnderTest& dialog) { shown(dialog.m_hWnd); });
    }
    CLauncherApp m_app;
};

TEST_F(LicenseTest, TextsComeFromTheLanguageSection) {
    const char* cases[][6] = {
        {"EN", "Licence", "Continue", "Exit", "I agree", "Please read"},
        {"FR", "Licence FR", "Continuer", "Quitter", "J'accepte", "Veuillez lire"},
        {"DE", "", "", "", "", ""}};
    for (const auto& c : cases)
        Run(
            [&](HWND d) {
                const int ids[] = {0, IDOK, IDCANCEL, IDC_AGREE_CHECK, IDC_LICENSE_HEADER};
                for (int i = 0; i < 5; ++i)
                    EXPECT_EQ(Text(i ? ::GetDlgItem(d, ids[i]) : d), c[i + 1]) << c[0];
            },
            c[0]);
}

TEST_F(LicenseTest, ContinueFollowsTheBoxByClickAndBySpaceBar) {
    Run([](HWND d) {
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d, IDC_AGREE_CHECK));
        // The licence text, one Shift+Tab back, is in the tab order too.
        EXPECT_EQ(::GetNextDlgTabItem(d, ::GetFocus(), TRUE), ::GetDlgItem(d, IDC_LICENSE_TEXT));
        std::string seen;
        for (int press = 0; press < 5; ++press) {
            seen += ::IsWindowEnabled(::GetDlgItem(d, IDOK)) ? '1' : '0';
            seen += Send(d, IDC_AGREE_CHECK, BM_GETCHECK) == BST_CHECKED ? '1' : '0';
            if (press < 2) {
                Send(d, IDC_AGREE_CHECK, BM_CLICK);
            } else {
                Send(d, IDC_AGREE_CHECK, WM_KEYDOWN, VK_SPACE);
                Send(d, IDC_AGREE_CHECK, WM_KEYUP, VK_SPACE);
            }
        }
        EXPECT_EQ(seen, "0011001100");
    });
}

TEST_F(LicenseTest, ContinueEndsWithOkAndEveryOtherWayOutWithCancel) {
    const struct {
        const char* name;
        bool tick;
        int target;
        UINT msg;
        WPARAM wParam;
        INT_PTR result;
    } cases[] = {{"Continue", true, IDOK, BM_CLICK, 0, IDOK},
                 {"Enter", true, IDC_AGREE_CHECK, WM_KEYDOWN, VK_RETURN, IDOK},
                 {"Enter unticked", false, IDC_AGREE_CHECK, WM_KEYDOWN, VK_RETURN, kStillOpen},
                 {"Exit", true, IDCANCEL, BM_CLICK, 0, IDCANCEL},
                 {"Escape", true, IDC_AGREE_CHECK, WM_KEYDOWN, VK_ESCAPE, IDCANCEL},
                 {"close box", true, 0, WM_SYSCOMMAND, SC_CLOSE, IDCANCEL},
                 {"WM_CLOSE", false, 0, WM_CLOSE, 0, IDCANCEL}};
    for (const auto& c : cases)
        EXPECT_EQ(Run([&](HWND d) {
                      if (c.tick)
                          Send(d, IDC_AGREE_CHECK, BM_CLICK);
                      ::PostMessageA(c.target ? ::GetDlgItem(d, c.target) : d, c.msg, c.wParam, 0);
                  }),
                  c.result)
            << c.name;
}

TEST_F(LicenseTest, ALicenceOf200000CharactersIsShownWholeAndTheFileClosedAgain) {
    std::string text;
    while (text.size() < 200000)
        text += "word" + std::to_string(text.size()) + ' ';
    text.resize(200000);
    WriteFileBytes(File(), "{\\rtf1\\ansi " + text + "}");
    Run([&](HWND d) {
        // Windows cuts a stream at the limit (32,767 unless raised); Wine instead raises
        // the limit to the length streamed in. Either way, it was raised beforehand.
        EXPECT_GT(Send(d, IDC_LICENSE_TEXT, EM_GETLIMITTEXT), 200000);
        EXPECT_EQ(Send(d, IDC_LICENSE_TEXT, WM_GETTEXTLENGTH), 200000);
        std::string shown(200001, '\0');
        Send(d, IDC_LICENSE_TEXT, WM_GETTEXT, shown.size(), reinterpret_cast<LPARAM>(&shown[0]));
        EXPECT_EQ(shown.c_str(), text);
        EXPECT_EQ(Background(d), RGB(217, 223, 237));
        HANDLE sole =
            ::CreateFileA(File().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_NE(sole, INVALID_HANDLE_VALUE); // nobody has it open any more
        ::CloseHandle(sole);
        ::PostMessageA(d, WM_COMMAND, IDCANCEL, 0); // before Wine lays out 200,000 characters
    });
}

// Nothing at the path, or a path too long to name anything: no message. A folder, or a
// file held exclusively: the stop sign with the full path. Then the dialog, without a text.
TEST_F(LicenseTest, AnUnreadableLicenceLeavesTheTextAreaEmpty) {
    const std::string tooLong(259, 'x');
    const struct {
        const char* name;
        std::string eula, message;
        bool hold;
    } cases[] = {{"missing", "License.rtf", "", false},
                 {"too long", tooLong, "", false},
                 {"folder", "", "Access to " + Folder() + "\\ was denied.", false},
                 {"held", "License.rtf",
                  "A sharing violation occurred while accessing " + File() + ".", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.hold)
            WriteFileBytes(File(), "{\\rtf1 held}");
        HANDLE held = c.hold ? ::CreateFileA(File().c_str(), GENERIC_READ, 0, nullptr,
                                             OPEN_EXISTING, 0, nullptr)
                             : nullptr;
        m_app.m_eulaRoot = c.eula == tooLong ? std::string(259, 'r') : kRoot;
        MessageBoxWatcher boxes;
        Run(
            [](HWND d) {
                EXPECT_EQ(Send(d, IDC_LICENSE_TEXT, WM_GETTEXTLENGTH), 0);
                EXPECT_EQ(Background(d), RGB(217, 223, 237));
                EXPECT_EQ(Text(::GetDlgItem(d, IDC_LICENSE_HEADER)), "Please read");
            },
            "EN", c.eula);
        ::CloseHandle(held);
        ASSERT_EQ(boxes.boxes().size(), c.message.empty() ? 0u : 1u);
        if (!c.message.empty()) {
            EXPECT_EQ(boxes.boxes()[0].text, c.message);
            EXPECT_EQ(boxes.boxes()[0].icon, ::LoadIconA(nullptr, IDI_HAND));
        }
    }
}

// Each test runs in a process of its own: nothing has loaded the library before.
TEST_F(LicenseTest, OpeningRegistersTheSystemsRichEditAndWithoutItTheDialogFails) {
    WNDCLASSEXA richEdit{};
    richEdit.cbSize = sizeof richEdit;
    EXPECT_EQ(Run([](HWND) {}), kStillOpen);
    ASSERT_TRUE(::GetClassInfoExA(nullptr, "RichEdit20A", &richEdit));
    char system[MAX_PATH] = {}, loaded[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    ::GetModuleFileNameA(::GetModuleHandleA("riched20.dll"), loaded, MAX_PATH);
    EXPECT_EQ(_stricmp(loaded, (std::string(system) + "\\riched20.dll").c_str()), 0) << loaded;
    // Unregistered for one run, then registered again as it was.
    ASSERT_TRUE(::UnregisterClassA("RichEdit20A", richEdit.hInstance));
    {
        ScopedSetupIni setup(kTexts);
        EXPECT_EQ(CLicenseAgreement("EN", nullptr).DoModal(), -1); // not opened, so unscripted
    }
    EXPECT_NE(::RegisterClassExA(&richEdit), 0);
}

} // namespace
