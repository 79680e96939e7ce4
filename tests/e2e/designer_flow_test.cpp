// An author's session with the designer on a copy of the sample: a button
// dragged, resized and nudged, its French caption typed in the property
// panel, undone and redone, saved; the file reopened and run in the launcher
// from the designer; and the designer's care for the file on the disk.
#include "design_commands.h"
#include "designer_fixture.h"
#include "driver/user_input.h"

#include <sstream>
#include <vector>

namespace {

constexpr int kFrench = 1; // the sample's second language section
const std::wstring kNewCaption = L"Lisez-moi d'abord";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

int ProfileInt(const std::string& file, const char* section, const char* key) {
    return static_cast<int>(::GetPrivateProfileIntA(section, key, -1, file.c_str()));
}

// The property panel's edit of a language's caption: the control after the
// label that names the language.
HWND CaptionEdit(HWND frame, const char* language) {
    const HWND panel = ::FindWindowExA(frame, nullptr, "#32770", nullptr);
    const HWND label = panel ? ::FindWindowExA(panel, nullptr, "Static", language) : nullptr;
    return label ? ::GetWindow(label, GW_HWNDNEXT) : nullptr;
}

TEST_F(DesignerTest, AuthorsEditsReachTheLauncherAndTheFileIsNeverLost) {
    CopySample();
    const std::string original = ReadFile("Setup.ini");
    StartDesigner();
    Command(kCmdLanguage + kFrench);
    ASSERT_NE(CanvasName().find("(FR)"), std::string::npos) << CanvasName();

    // "Read me" (button 3) at 400,140 208x30: moved where nothing snaps,
    // resized by its bottom-right handle, nudged one pixel right.
    Drag(OnCanvas(504, 155), OnCanvas(504, 155));
    ASSERT_NE(CanvasName().find("button 3 \"Lisez-moi\" selected"), std::string::npos)
        << CanvasName();
    Drag(OnCanvas(504, 155), OnCanvas(224, 360));
    Drag(OnCanvas(328, 375), OnCanvas(348, 385));
    Key(VK_RIGHT);

    // The French caption typed in the property panel; written when the
    // focus leaves it (here: for the canvas).
    const HWND french = CaptionEdit(frame(), "FR:");
    ASSERT_NE(french, nullptr) << "no caption edit labelled FR: in the property panel";
    ::SendMessageA(::GetParent(french), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(french), TRUE);
    ::SendMessageW(french, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kNewCaption.c_str()));
    Drag(OnCanvas(200, 360), OnCanvas(200, 360));
    const std::string selected = "button 3 \"Lisez-moi d'abord\" selected";
    EXPECT_NE(CanvasName().find(selected), std::string::npos) << CanvasName();
    Command(kCmdUndo);
    EXPECT_NE(CanvasName().find("button 3 \"Lisez-moi\" selected"), std::string::npos)
        << CanvasName();
    Command(kCmdRedo);
    EXPECT_NE(CanvasName().find(selected), std::string::npos) << CanvasName();

    Command(kCmdSave);
    const std::string ini = folder() + "\\Setup.ini";
    EXPECT_EQ(ProfileInt(ini, "main.button3", "x"), 121);
    EXPECT_EQ(ProfileInt(ini, "main.button3", "y"), 345);
    EXPECT_EQ(ProfileInt(ini, "main.button3", "width"), 228);
    EXPECT_EQ(ProfileInt(ini, "main.button3", "height"), 40);
    const std::string saved = ReadFile("Setup.ini");
    EXPECT_EQ(ReadFile("Setup.ini.bak"), original);
    // Only the five edited lines differ; every other byte is as it was.
    const std::vector<std::string> before = Lines(original), after = Lines(saved);
    ASSERT_EQ(after.size(), before.size());
    int changed = 0;
    for (size_t i = 0; i < before.size(); ++i)
        changed += before[i] != after[i];
    EXPECT_EQ(changed, 5);

    // Reopened: the button is where it was dropped, with its new caption.
    CloseDesigner();
    StartDesigner();
    Command(kCmdLanguage + kFrench);
    for (int press = 0; press < 3; ++press)
        Key(VK_TAB);
    EXPECT_NE(CanvasName().find(selected), std::string::npos) << CanvasName();

    // Run from the designer, the folder's launcher shows it so, in French.
    Command(kCmdRun);
    const WindowFacts form = WaitForWindowOfAnyProcess("Sample Product Setup", kWaitMs);
    ASSERT_NE(form.hwnd, nullptr) << "Run started no launcher";
    DWORD launcherId = 0;
    ::GetWindowThreadProcessId(form.hwnd, &launcherId);
    const HWND readMe = FormButton(form.hwnd, 3);
    ASSERT_NE(readMe, nullptr);
    RECT place{};
    for (const ChildFacts& child : ChildrenOf(form.hwnd))
        if (child.hwnd == readMe)
            place = child.rect;
    EXPECT_EQ(place.left, 121);
    EXPECT_EQ(place.top, 345);
    EXPECT_EQ(place.right, 349);
    EXPECT_EQ(place.bottom, 385);
    wchar_t caption[64] = {};
    ::SendMessageW(readMe, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(caption));
    EXPECT_EQ(caption, kNewCaption);
    if (HANDLE launcher = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, launcherId)) {
        ::TerminateProcess(launcher, 0);
        ::WaitForSingleObject(launcher, kWaitMs);
        ::CloseHandle(launcher);
    }

    // Changed behind the designer's back: saving asks, and No keeps it.
    Key(VK_RIGHT);
    const std::string elsewhere = saved + "; changed elsewhere\r\n";
    WriteFile("Setup.ini", elsewhere);
    Command(kCmdSave, false);
    WindowFacts box = ::WaitForMessageBox(designer().id(), kWaitMs);
    ASSERT_NE(box.hwnd, nullptr) << "saving over a changed file did not ask";
    EXPECT_NE(MessageBoxText(box.hwnd).find("changed on the disk"), std::string::npos);
    PressButton(::GetDlgItem(box.hwnd, IDNO));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box.hwnd); }));
    designer().WaitUntilIdle(kWaitMs);
    EXPECT_EQ(ReadFile("Setup.ini"), elsewhere);

    // A save that cannot write beside the file (a folder stands where the new
    // file would go) says why and leaves the file as it was.
    const std::string path = folder() + "\\Setup.ini";
    ASSERT_TRUE(::CreateDirectoryA((path + ".new").c_str(), nullptr));
    Command(kCmdSave, false);
    box = ::WaitForMessageBox(designer().id(), kWaitMs);
    ASSERT_NE(box.hwnd, nullptr);
    PressButton(::GetDlgItem(box.hwnd, IDYES)); // replace what changed on the disk
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box.hwnd); }));
    box = ::WaitForMessageBox(designer().id(), kWaitMs);
    ASSERT_NE(box.hwnd, nullptr) << "a failed save said nothing";
    EXPECT_NE(MessageBoxText(box.hwnd).find("could not be saved"), std::string::npos)
        << MessageBoxText(box.hwnd);
    PressOk(box.hwnd);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box.hwnd); }));
    EXPECT_EQ(ReadFile("Setup.ini"), elsewhere);
    ::RemoveDirectoryA((path + ".new").c_str());

    // Closing with unsaved changes asks too; No leaves the file alone.
    ::PostMessageA(frame(), WM_CLOSE, 0, 0);
    box = ::WaitForMessageBox(designer().id(), kWaitMs);
    ASSERT_NE(box.hwnd, nullptr) << "closing with unsaved changes did not ask";
    PressButton(::GetDlgItem(box.hwnd, IDNO));
    EXPECT_TRUE(designer().WaitForExit(kWaitMs).has_value());
    EXPECT_EQ(ReadFile("Setup.ini"), elsewhere);
}

} // namespace
