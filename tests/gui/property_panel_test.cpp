#include "property_panel.h"

#include "pane_host.h"

#include <gtest/gtest.h>

namespace {

// A legacy file: [FR] is read in code page 1252, [JA] in 932.
const char kLegacy[] = "[main]\r\nbuttonCount=2\r\n"
                       "[main.button1]\r\nlabel=IDS_BTN\r\naction=open\r\n"
                       "[main.button2]\r\naction=open\r\n"
                       "[FR]\r\nIDS_BTN=Installer\r\nIDS_OK=OK\r\n"
                       "[JA]\r\nIDS_BTN=Install\r\nIDS_OK=OK\r\n";

// A property panel on kLegacy for the chosen buttons, shown in a host window.
struct PanelOnLegacyFile {
    explicit PanelOnLegacyFile(std::vector<int> buttons)
        : session("C:\\", IniDocument::FromBytes(kLegacy)) {
        session.Choice().buttons = std::move(buttons);
        created = panel.Create(host.hwnd());
        if (created)
            host.Fill(panel.Handle());
    }
    DesignSession session;
    PaneHost host;
    PropertyPanel panel{session};
    bool created = false;
};

TEST(PropertyPanelTest, WritesEachLanguagesCaptionInItsCodePageAndRefusesWhatItCannotSpell) {
    PanelOnLegacyFile shown({1});
    ASSERT_TRUE(shown.created);
    DesignSession& session = shown.session;
    PaneHost& host = shown.host;
    PropertyPanel& panel = shown.panel;
    session.Listen([&panel] { panel.Refresh(); });
    const HWND french = ControlLabelled(panel.Handle(), L"FR:");
    const HWND japanese = ControlLabelled(panel.Handle(), L"JA:");
    ASSERT_TRUE(french && japanese);
    EXPECT_EQ(WindowTextOf(french), L"Installer");

    Type(french, L"Installer \u00E9t\u00E9");
    Type(japanese, L"\u30A4\u30F3\u30B9\u30C8\u30FC\u30EB"); // the French text is written
    ::SetFocus(host.hwnd());                                 // and the Japanese
    EXPECT_EQ(session.Document().ToBytes(),
              "[main]\r\nbuttonCount=2\r\n"
              "[main.button1]\r\nlabel=IDS_BTN\r\naction=open\r\n"
              "[main.button2]\r\naction=open\r\n"
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

TEST(PropertyPanelTest, ButtonsChosenTogetherTakeAnActionAndATargetAsOneStepEach) {
    PanelOnLegacyFile shown({1, 2});
    ASSERT_TRUE(shown.created);
    DesignSession& session = shown.session;
    PaneHost& host = shown.host;
    PropertyPanel& panel = shown.panel;
    session.Listen([&panel] { panel.Refresh(); });

    const HWND action = ControlLabelled(panel.Handle(), L"Ac&tion:");
    ASSERT_TRUE(action);
    EXPECT_EQ(WindowTextOf(action), L"open"); // both have it
    ::SetFocus(action);
    ::SendMessageW(action, WM_KEYDOWN, VK_DOWN, 0); // the word after it in the list
    EXPECT_EQ(session.Document().Value("main.button1", "action"), "msgbox");
    EXPECT_EQ(session.Document().Value("main.button2", "action"), "msgbox");

    Type(ControlLabelled(panel.Handle(), L"Tar&get (url):"), L"IDS_NOTE");
    ::SetFocus(host.hwnd());
    EXPECT_EQ(session.Document().Value("main.button1", "url"), "IDS_NOTE");
    EXPECT_EQ(session.Document().Value("main.button2", "url"), "IDS_NOTE");

    session.Undo();
    session.Undo();
    EXPECT_EQ(session.Document().ToBytes(), kLegacy);
}

} // namespace

namespace {

// Tab moves through the panel top to bottom, the language rows (made after the
// rest) in their place.
TEST(PropertyPanelTest, TabVisitsTheControlsInTheOrderShown) {
    PanelOnLegacyFile shown({1});
    ASSERT_TRUE(shown.created);
    const HWND pane = shown.panel.Handle();
    const std::vector<HWND> expected = {
        ControlLabelled(pane, L"Caption &key:"), ControlLabelled(pane, L"FR:"),
        ControlLabelled(pane, L"JA:"), ControlLabelled(pane, L"Ac&tion:"),
        ControlLabelled(pane, L"Tar&get (url):")};
    std::vector<HWND> visited = {expected.front()};
    while (visited.size() < expected.size())
        visited.push_back(::GetNextDlgTabItem(pane, visited.back(), FALSE));
    EXPECT_EQ(visited, expected);
}

} // namespace
