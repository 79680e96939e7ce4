#include "languages_panel.h"

#include "pane_host.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

const char kTexts[] = "[EN]\r\nIDS_OK=OK\r\n"
                      "[FR]\r\nIDS_OK=Cr\xE9"
                      "er\r\nIDS_CANCEL=Annuler\r\n";

std::wstring Cell(HWND table, int row, int column) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 64;
    ::SendMessageW(table, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
    return text;
}

TEST(LanguagesPanelTest, EditsTheTableAndAddsALanguageCopiedFromAnother) {
    DesignSession session("C:\\", IniDocument::FromBytes(kTexts));
    PaneHost host;
    LanguagesPanel panel(session);
    ASSERT_TRUE(panel.Create(host.hwnd()));
    host.Fill(panel.Handle());
    session.Listen([&panel] { panel.Refresh(); });
    const HWND table = ControlLabelled(panel.Handle(), L"Texts of every lang&uage:");
    ASSERT_EQ(::SendMessageW(table, LVM_GETITEMCOUNT, 0, 0), 2); // a row a key
    EXPECT_EQ(Cell(table, 0, 2), L"Cr\u00E9"
                                 "er"); // a column a language

    // The chosen row's texts, editable in every language.
    LVITEMW chosen{};
    chosen.stateMask = LVIS_SELECTED;
    chosen.state = LVIS_SELECTED;
    ::SendMessageW(table, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&chosen));
    const HWND french = ControlLabelled(panel.Handle(), L"FR:");
    ASSERT_TRUE(french);
    EXPECT_EQ(WindowTextOf(french), L"Annuler");
    Type(french, L"Annuler tout");
    panel.CommitTyping(); // as the main window does before it saves
    EXPECT_EQ(session.Document().Value("FR", "IDS_CANCEL"), "Annuler tout");
    EXPECT_EQ(Cell(table, 1, 2), L"Annuler tout");

    // Japanese from the French texts: re-encoded for code page 932, which has no "é".
    Type(ControlLabelled(panel.Handle(), L"New language code (t&wo letters):"), L"ja");
    ::SendMessageW(ControlLabelled(panel.Handle(), L"Copied fro&m:"), CB_SETCURSEL, 1, 0);
    ::SendMessageW(::GetWindow(ControlLabelled(panel.Handle(), L"Copied fro&m:"), GW_HWNDNEXT),
                   BM_CLICK, 0, 0);
    EXPECT_EQ(session.Document().Value("ja", "IDS_OK"), "Crer");
    EXPECT_EQ(session.Document().Value("ja", "IDS_CANCEL"), "Annuler tout");
    EXPECT_TRUE(PaneShows(panel.Handle(), L"cannot spell 1 of the copied characters"));
    EXPECT_EQ(Cell(table, 0, 3), L"Crer");

    session.Undo(); // one step
    EXPECT_FALSE(session.Document().HasSection("ja"));
}

} // namespace
