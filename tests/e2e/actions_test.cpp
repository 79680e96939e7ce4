// Every button action from a real click on launcher.exe: what it opens, with
// which tokens filled in, and what the user is told when it cannot.
#include "action_fixture.h"
#include "driver/user_input.h"

#include <algorithm>

namespace {

// The visible forms of the launcher, the one on top (the only enabled one) last.
std::vector<WindowFacts> Forms(DWORD processId) {
    std::vector<WindowFacts> forms;
    for (const WindowFacts& window : TopLevelWindows(processId))
        if (window.title == kFormTitle && (window.style & WS_VISIBLE))
            forms.push_back(window);
    std::stable_partition(forms.begin(), forms.end(),
                          [](const WindowFacts& form) { return !::IsWindowEnabled(form.hwnd); });
    return forms;
}

// Waits until the launcher shows this many forms; returns the top one.
WindowFacts WaitForForms(DWORD processId, size_t count) {
    const DWORD start = ::GetTickCount();
    std::vector<WindowFacts> forms = Forms(processId);
    while ((forms.size() != count || ::IsWindowEnabled(forms.front().hwnd) != (count == 1)) &&
           ::GetTickCount() - start < kWaitMs) {
        ::Sleep(20);
        forms = Forms(processId);
    }
    return forms.size() == count ? forms.back() : WindowFacts{};
}

struct FoundWindow {
    HWND hwnd;
    std::string title;
};

BOOL CALLBACK FindFileWindow(HWND hwnd, LPARAM found) {
    char className[64] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (!::IsWindowVisible(hwnd) || std::string(className) != "ExplorerWClass")
        return TRUE;
    auto* window = reinterpret_cast<FoundWindow*>(found);
    char title[MAX_PATH] = {};
    ::GetWindowTextA(hwnd, title, sizeof title);
    *window = {hwnd, title};
    return FALSE;
}

// The title of the file window the shell opens for a folder, once it is shown;
// the window is closed, so that it covers no later screenshot.
std::string TitleOfOpenedFolder() {
    FoundWindow found{nullptr, ""};
    const DWORD start = ::GetTickCount();
    while (!found.hwnd && ::GetTickCount() - start < kWaitMs) {
        ::EnumWindows(&FindFileWindow, reinterpret_cast<LPARAM>(&found));
        ::Sleep(50);
    }
    if (found.hwnd)
        ::PostMessageA(found.hwnd, WM_CLOSE, 0, 0);
    return found.title;
}

TEST_F(ActionTest, FailuresAndMessagesAreToldInABoxAndTheFormStaysOpen) {
    WriteFile("data.e2enone", "a document of a type nothing opens");
    WriteFile("fake.exe", "text, not a program");
    const struct {
        ButtonEntry button;
        std::string text;
        LPCSTR icon;
    } cases[] = {
        // Unknown words: the url as read, tokens and all.
        {{"RUN", "x_$LANGUAGE.exe /q", ""}, "Not found: x_$LANGUAGE.exe /q", IDI_EXCLAMATION},
        // A blank inside the quoted value is part of the word.
        {{"\"exit \"", "y", ""}, "Not found: y", IDI_EXCLAMATION},
        // Missing target: the path joined to the program's folder, tokens filled in.
        {{"open", "missing_$LANGUAGE.exe", ""},
         "Not found: " + folder() + "\\missing_EN.exe",
         IDI_EXCLAMATION},
        {{"open", "data.e2enone", ""}, "No program opens this file.", IDI_EXCLAMATION},
        {{"open", "fake.exe", ""}, "Not found: " + folder() + "\\fake.exe", IDI_EXCLAMATION},
        {{"MsgBox", "IDS_HELLO", ""}, "Hello\nthere", IDI_ASTERISK},
        {{"msgbox", "IDS_MISSING", ""}, "", IDI_ASTERISK},
    };
    std::vector<ButtonEntry> buttons;
    for (const auto& c : cases)
        buttons.push_back(c.button);
    WriteForms(buttons);
    Start("EN");
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);

    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].button.action + " " + cases[i].button.url);
        const ShownBox shown = PressForMessage(form, int(i) + 1);
        EXPECT_EQ(shown.text, cases[i].text);
        EXPECT_EQ(shown.icon, cases[i].icon);
        EXPECT_TRUE(::IsWindowVisible(form.hwnd));
    }
    EXPECT_EQ(WaitForRecords(1), "") << "nothing was to be started";
}

class OpenInLanguage : public ActionTest,
                       public ::testing::WithParamInterface<std::vector<const char*>> {};

TEST_P(OpenInLanguage, ProgramsDocumentsAndWebAddressesOpenWithTheTokensFilledIn) {
    const std::string language = GetParam()[0], langId = GetParam()[1], name = GetParam()[2];
    WriteFile("doc_" + language + ".e2edoc", "a document");
    WriteForms({{"OPEN", "prog.exe", "/l $LANGID /n $INSTALLLANG /c $LANGUAGE"},
                {"Open", "doc_$LANGUAGE.e2edoc", ""},
                {"open", "http://example.com/?l=$LANGUAGE", ""},
                {"open", "https://example.com/$LANGID/$INSTALLLANG", ""}});
    Start(language);
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);

    PressButton(Button(form, 1));
    std::string records = WaitForRecords(1);
    EXPECT_NE(records.find(folder() + "\\prog.exe\" /l " + langId + " /n " + name + " /c " +
                           language + "\n"),
              std::string::npos)
        << records;
    PressButton(Button(form, 2));
    records = WaitForRecords(2);
    EXPECT_NE(records.find(folder() + "\\doc_" + language + ".e2edoc"), std::string::npos)
        << records;

    PressButton(Button(form, 3));
    PressButton(Button(form, 4));
    // The two browsers run side by side: either may record first.
    const std::string addresses = WaitForAddresses(2);
    EXPECT_NE(addresses.find("http://example.com/?l=" + language + "\n"), std::string::npos);
    EXPECT_NE(addresses.find("https://example.com/" + langId + "/" + name + "\n"),
              std::string::npos)
        << addresses;
    EXPECT_FALSE(::WaitForMessageBox(program().id(), kWaitMs).hwnd);
}

INSTANTIATE_TEST_SUITE_P(Languages, OpenInLanguage,
                         ::testing::Values(std::vector<const char*>{"EN", "1033", "English"},
                                           std::vector<const char*>{"DE", "1031", "German"}),
                         [](const auto& info) { return std::string(info.param[0]); });

TEST_F(ActionTest, TargetsAreLookedForBesideTheProgramFirstThenInTheCurrentFolder) {
    const std::string elsewhere = folder() + "\\elsewhere";
    ASSERT_TRUE(::CreateDirectoryA(elsewhere.c_str(), nullptr));
    const std::string recorder = E2eFilesFolder() + "\\recorder.exe";
    ASSERT_TRUE(::CopyFileA(recorder.c_str(), (elsewhere + "\\prog.exe").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(recorder.c_str(), (elsewhere + "\\only_here.exe").c_str(), FALSE));
    WriteForms({{"open", "prog.exe", "1"}, {"open", "only_here.exe", "2"}, {"open", "", ""}});
    Start("EN", elsewhere);
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);

    PressButton(Button(form, 1));
    WaitForRecords(1);
    PressButton(Button(form, 2));
    const std::string records = WaitForRecords(2);
    EXPECT_EQ(records, "CMD=\"" + folder() + "\\prog.exe\" 1\nCWD=" + elsewhere +
                           "\nCMD=\"only_here.exe\" 2\nCWD=" + elsewhere + "\n");
    // The empty url is the program's folder, whatever the current one.
    PressButton(Button(form, 3));
    EXPECT_EQ(TitleOfOpenedFolder(), folder().substr(folder().rfind('\\') + 1));
}

TEST_F(ActionTest, NestedFormsStackUpToTheirBoundAndEndOneByOne) {
    WriteForms({{"subform", "second", ""}},
               FormSections("second", {{"exit", "", ""},
                                       {"SubForm", "second", ""},
                                       {"open", "prog.exe", "$LANGUAGE $LANGID $INSTALLLANG"}}));
    Start("DE");
    const WindowFacts main = WaitForForm();
    ASSERT_NE(main.hwnd, nullptr);
    const DWORD id = program().id();

    PressButton(Button(main, 1));
    WindowFacts top = WaitForForms(id, 2);
    ASSERT_NE(top.hwnd, nullptr);
    EXPECT_EQ(::GetWindow(top.hwnd, GW_OWNER), main.hwnd);
    EXPECT_FALSE(::IsWindowEnabled(main.hwnd));
    // A nested form fills in the tokens of the first form's language.
    PressButton(Button(top, 3));
    EXPECT_NE(WaitForRecords(1).find("prog.exe\" DE 1031 German\n"), std::string::npos);

    // A form that opens itself stacks forms up to the bound, and no further.
    for (size_t count = 3; count <= 16; ++count) {
        PressButton(Button(top, 2));
        top = WaitForForms(id, count);
        ASSERT_NE(top.hwnd, nullptr) << count << " forms";
    }
    PressButton(Button(top, 2));
    EXPECT_EQ(WaitForForms(id, 17).hwnd, nullptr);
    EXPECT_EQ(Forms(id).size(), 16u);

    // Escape and "exit" each end the top form only.
    PostKey(top.hwnd, VK_ESCAPE);
    top = WaitForForms(id, 15);
    ASSERT_NE(top.hwnd, nullptr);
    PressButton(Button(top, 1));
    EXPECT_NE(WaitForForms(id, 14).hwnd, nullptr);
    EXPECT_TRUE(program().running());
}

TEST_F(ActionTest, ExitInTheFirstFormEndsTheProgram) {
    WriteForms({{"Exit", "", ""}});
    Start("EN");
    const WindowFacts form = WaitForForm();
    ASSERT_NE(form.hwnd, nullptr);
    PressButton(Button(form, 1));
    EXPECT_EQ(program().WaitForExit(kWaitMs), std::optional<DWORD>(0));
}

} // namespace
