#include "property_panel.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace {

// A legacy file: [FR] is read in code page 1252, [JA] in 932.
const char kLegacy[] = "[main]\r\nbuttonCount=1\r\n"
                       "[main.button1]\r\nlabel=IDS_BTN\r\naction=open\r\n"
                       "[FR]\r\nIDS_BTN=Installer\r\nIDS_OK=OK\r\n"
                       "[JA]\r\nIDS_BTN=Install\r\nIDS_OK=OK\r\n";

// A shown top-level window to hold a pane, as the designer's main window does.
class PaneHost {
public:
    PaneHost()
        : m_hwnd(::CreateWindowExW(0, L"STATIC", L"pane host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                   0, 480, 600, nullptr, nullptr, nullptr, nullptr)) {}
    PaneHost(const PaneHost&) = delete;
    PaneHost& operator=(const PaneHost&) = delete;
    ~PaneHost() { ::DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

// The control after the label that names it, as assistive technology finds it.
HWND ControlLabelled(HWND pane, const std::wstring& label) {
    for (HWND child = ::GetWindow(pane, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (WindowTextOf(child) == label)
            return ::GetWindow(child, GW_HWNDNEXT);
    return nullptr;
}

// Whether some control of the pane shows a text holding the part.
bool PaneShows(HWND pane, const std::wstring& part) {
    for (HWND child = ::GetWindow(pane, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (WindowTextOf(child).find(part) != std::wstring::npos)
            return true;
    return false;
}

// Typing into an edit: the focus there, its text changed, as the author does.
void Type(HWND edit, const std::wstring& text) {
    ::SetFocus(edit);
    ::SetWindowTextW(edit, text.c_str());
}

TEST(PropertyPanelTest, WritesEachLanguagesCaptionInItsCodePageAndRefusesWhatItCannotSpell) {
    DesignSession session("C:\\", IniDocument::FromBytes(kLegacy));
    session.Choice().buttons = {1};
    PaneHost host;
    PropertyPanel panel(session);
    ASSERT_TRUE(panel.Create(host.hwnd()));
    session.Listen([&panel] { panel.Refresh(); });
    const HWND french = ControlLabelled(panel.Handle(), L"FR:");
    const HWND japanese = ControlLabelled(panel.Handle(), L"JA:");
    ASSERT_TRUE(french && japanese);
    EXPECT_EQ(WindowTextOf(french), L"Installer");

    Type(french, L"Installer \u00E9t\u00E9");
    Type(japanese, L"\u30A4\u30F3\u30B9\u30C8\u30FC\u30EB"); // the French text is written
    ::SetFocus(host.hwnd());                                 // and the Japanese
    EXPECT_EQ(session.Document().ToBytes(),
              "[main]\r\nbuttonCount=1\r\n"
              "[main.button1]\r\nlabel=IDS_BTN\r\naction=open\r\n"
              "[FR]\r\nIDS_BTN=Installer \xE9t\xE9\r\nIDS_OK=OK\r\n"
              "[JA]\r\nIDS_BTN=\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B\r\nIDS_OK=OK\r\n");

    // Katakana has no place in code page 1252: taken back as it is typed, and named.
    Type(french, L"Installer \u00E9t\u00E9\u30A2");
    EXPECT_EQ(WindowTextOf(french), L"Installer \u00E9t\u00E9");
    EXPECT_TRUE(PaneShows(panel.Handle(), L"U+30A2"));
    ::SetFocus(host.hwnd());
    EXPECT_EQ(session.Document().Value("FR", "IDS_BTN"), "Installer \xE9t\xE9");

    // Each language's edit was one step.
    session.Undo();
    EXPECT_EQ(session.Document().Value("JA", "IDS_BTN"), "Install");
    EXPECT_EQ(WindowTextOf(japanese), L"Install");
    session.Undo();
    EXPECT_EQ(session.Document().ToBytes(), kLegacy);
    EXPECT_FALSE(session.History().CanUndo());
}

} // namespace
