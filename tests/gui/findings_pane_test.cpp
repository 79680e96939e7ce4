#include "findings_pane.h"

#include "pane_host.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

// The medium's files are this program's folder: recorder.exe is there, absent.exe is not.
std::string ProgramFolder() {
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1);
}

const char kSetup[] = "[main]\r\nbuttonCount=2\r\n"
                      "[main.button1]\r\naction=exit\r\n"
                      "[main.button2]\r\naction=open\r\nurl=absent.exe\r\n";

// The list's row whose finding names the text; -1 when none does.
int RowNaming(const FindingsPane& pane, const std::string& text) {
    for (std::size_t i = 0; i < pane.Findings().size(); ++i)
        if (pane.Findings()[i].message.find(text) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

TEST(FindingsPaneTest, ChoosingAFindingShowsItsButtonAndEditsBringTheListUpToDate) {
    DesignSession session(ProgramFolder(), IniDocument::FromBytes(kSetup));
    session.Choice().form = "elsewhere";
    PaneHost host;
    FindingsPane pane(session);
    ASSERT_TRUE(pane.Create(host.hwnd()));
    host.Fill(pane.Handle());
    int heard = 0;
    session.Listen([&] {
        ++heard;
        pane.Refresh();
    });
    const HWND list = ::GetWindow(::GetWindow(pane.Handle(), GW_CHILD), GW_HWNDNEXT);
    const int row = RowNaming(pane, "absent.exe");
    ASSERT_GE(row, 0) << "the missing target is an error of the unsaved document";
    EXPECT_EQ(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0),
              static_cast<LRESULT>(pane.Findings().size()));
    EXPECT_EQ(pane.ButtonsWithErrors("main"), (std::vector<int>{2}));

    LVITEMW selected{};
    selected.stateMask = LVIS_SELECTED;
    selected.state = LVIS_SELECTED;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&selected));
    EXPECT_EQ(session.Choice().form, "main");
    EXPECT_EQ(session.Choice().buttons, (std::vector<int>{2}));
    EXPECT_EQ(heard, 1);

    session.Edit(
        [](IniDocument& document) { document.SetValue("main.button2", "url", "recorder.exe"); });
    EXPECT_EQ(RowNaming(pane, "absent.exe"), -1);
    EXPECT_TRUE(pane.ButtonsWithErrors("main").empty());
    EXPECT_EQ(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0),
              static_cast<LRESULT>(pane.Findings().size()));
}

} // namespace
