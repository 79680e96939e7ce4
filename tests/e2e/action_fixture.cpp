#include "action_fixture.h"

#include "driver/user_input.h"

#include <fstream>
#include <sstream>

namespace {

constexpr const char* kBrowserKey = "Software\\Wine\\WineBrowser";
constexpr const char* kDocumentClass = "E2eDocument";

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Waits until the file holds `count` lines that start with `marker`.
std::string WaitForLines(const std::string& path, const std::string& marker, int count) {
    const DWORD start = ::GetTickCount();
    std::string content = ReadWhole(path);
    while (CountOf("\n" + content, "\n" + marker) < count && ::GetTickCount() - start < kWaitMs) {
        ::Sleep(50);
        content = ReadWhole(path);
    }
    return content;
}

void SetString(HKEY root, const std::string& key, const char* name, const std::string& value) {
    HKEY handle = nullptr;
    if (::RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     DWORD(value.size() + 1));
    ::RegCloseKey(handle);
}

// The Unix path of a path on Wine's drive Z:, which is the Unix root.
std::string UnixPath(const std::string& windowsPath) {
    std::string path = windowsPath.substr(2);
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

// The button sections of a form, one button under the other.
std::string ButtonSections(const std::string& form, const std::vector<ButtonEntry>& buttons) {
    std::string ini;
    for (size_t i = 0; i < buttons.size(); ++i)
        ini += "[" + form + ".button" + std::to_string(i + 1) +
               "]\nlabel=IDS_LABEL\naction=" + buttons[i].action + "\nurl=" + buttons[i].url +
               "\nargs=" + buttons[i].args + "\nx=10\ny=" + std::to_string(10 + 24 * i) +
               "\nwidth=150\nheight=20\n";
    return ini;
}

std::string ButtonCount(const std::vector<ButtonEntry>& buttons) {
    return "buttonCount=" + std::to_string(buttons.size()) + "\n";
}

} // namespace

std::string FormSections(const std::string& form, const std::vector<ButtonEntry>& buttons) {
    return "[" + form + "]\n" + ButtonCount(buttons) + ButtonSections(form, buttons);
}

void ActionTest::WriteForms(const std::vector<ButtonEntry>& mainButtons,
                            const std::string& otherSections,
                            const std::string& moreEnglishTexts) const {
    WriteFile("face.bmp", PlainBmp(320, 240, 0x336699));
    WriteSetupIni(MainSection("face.bmp", ButtonCount(mainButtons)) +
                  ButtonSections("main", mainButtons) + otherSections +
                  "[EN]\nIDS_LABEL=Press\nIDS_FILENOTFOUND=Not found: %1\n"
                  "IDS_NOFILE_ASSOCIATION=No program opens this file.\n"
                  "IDS_FILEOPEN_ERROR=The file could not be opened.\nIDS_HELLO=Hello\\nthere\n" +
                  moreEnglishTexts + "[DE]\nIDS_LABEL=Los\nIDS_FILENOTFOUND=Nicht gefunden: %1\n");
}

void ActionTest::SetUp() {
    LauncherTest::SetUp();
    const std::string files = E2eFilesFolder();
    ASSERT_TRUE(
        ::CopyFileA((files + "\\recorder.exe").c_str(), (folder() + "\\prog.exe").c_str(), FALSE));
    // The launcher passes its environment on to what it starts.
    ::SetEnvironmentVariableA("RECORDER_LOG", RecordLogPath().c_str());
    // Documents of the type .e2edoc open with the recorder.
    SetString(HKEY_CLASSES_ROOT, ".e2edoc", nullptr, "E2eDocument");
    SetString(HKEY_CLASSES_ROOT, std::string(kDocumentClass) + "\\shell\\open\\command", nullptr,
              "\"" + files + "\\recorder.exe\" \"%1\"");
    // Web addresses go to the recording browser.
    ::DeleteFileA((files + "\\browser.log").c_str());
    SetString(HKEY_CURRENT_USER, kBrowserKey, "Browsers", UnixPath(files + "\\record-browser.sh"));
}

void ActionTest::TearDown() {
    LauncherTest::TearDown();
    ::SetEnvironmentVariableA("RECORDER_LOG", nullptr);
    // The prefix is shared with the demo, whose web button must reach a real browser.
    HKEY browser = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kBrowserKey, 0, KEY_WRITE, &browser) == ERROR_SUCCESS) {
        ::RegDeleteValueA(browser, "Browsers");
        ::RegCloseKey(browser);
    }
}

HWND ActionTest::Button(const WindowFacts& form, int number) {
    return FormButton(form.hwnd, number);
}

std::string ActionTest::WaitForRecords(int count) const {
    return WaitForLines(RecordLogPath(), "CMD=", count);
}

std::string ActionTest::WaitForAddresses(int count) const {
    return WaitForLines(E2eFilesFolder() + "\\browser.log", "http", count);
}

ActionTest::ShownBox ActionTest::PressForMessage(const WindowFacts& form, int number) {
    PressButton(Button(form, number));
    const WindowFacts box = WaitForMessageBox();
    if (!box.hwnd)
        return {"(no message box)", nullptr};
    ShownBox shown{MessageBoxText(box.hwnd), MessageBoxIconOf(box.hwnd)};
    PressOk(box.hwnd);
    const DWORD start = ::GetTickCount();
    while (::IsWindow(box.hwnd) && ::GetTickCount() - start < kWaitMs)
        ::Sleep(20);
    return shown;
}
