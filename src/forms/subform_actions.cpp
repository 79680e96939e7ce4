// What a form does when one of its buttons is clicked.
#include "forms/subform_dlg.h"

#include "app/formatted_message.h"
#include "app/program_folder.h"
#include "app/setup_ini.h"
#include "app/system_code_page.h"
#include "forms/button_actions.h"
#include "forms/launch_error.h"
#include "framework/message_box.h"
#include "framework/shell_functions.h"

namespace {

// Forms open above the first one; each nested form counts while it runs.
int g_nestedForms = 0;

class NestedFormCount {
public:
    NestedFormCount() { ++g_nestedForms; }
    ~NestedFormCount() { --g_nestedForms; }
    NestedFormCount(const NestedFormCount&) = delete;
    NestedFormCount& operator=(const NestedFormCount&) = delete;
};

} // namespace

bool CSubformDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND sender = reinterpret_cast<HWND>(lParam);
    if (!sender || HIWORD(wParam) != BN_CLICKED)
        return CBDialog::OnCommand(wParam, lParam);
    auto* button = dynamic_cast<CShadeButtonST*>(CWnd::FromHandle(sender));
    if (!button)
        return false;
    return RunAction(*button);
}

bool CSubformDlg::RunAction(const CShadeButtonST& button) {
    const std::string url = button.GetUrl();
    switch (ParseButtonAction(button.GetAction(), CurrentLeadBytes())) {
    case ButtonAction::kExit:
        EndDialog(1);
        return true;
    case ButtonAction::kClickThru:
        return RunClickThrough(url, button.GetArgs());
    case ButtonAction::kSubform:
        RunNestedForm(url);
        return true;
    case ButtonAction::kOpen:
        OpenTarget(url, button.GetArgs());
        return true;
    case ButtonAction::kMsgBox:
        AppMessageBox(ReadIniString(m_language, url), MB_OK | MB_ICONINFORMATION);
        return true;
    case ButtonAction::kSqlExpress:
        RunDatabaseInstaller(url, button.GetArgs());
        return true;
    case ButtonAction::kUnknown:
        break;
    }
    ShowFormattedMessage(m_language, "IDS_FILENOTFOUND", url);
    return true;
}

void CSubformDlg::RunNestedForm(const std::string& section) {
    if (g_nestedForms + 1 >= kMaxOpenForms) {
        // As deep as forms go: the press is refused like a click on a disabled control.
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    NestedFormCount count;
    CSubformDlg form(m_language, m_langId, m_installLang, section, nullptr);
    // Every form shows the one picture: decoded once, by the first form.
    form.SharePicture(*this);
    form.DoModal();
}

void CSubformDlg::OpenTarget(std::string target, std::string args) {
    const LeadByteTable& leadBytes = CurrentLeadBytes();
    const bool webAddress = IsWebAddress(target, leadBytes);
    const RunLanguage values{m_language, m_langId, m_installLang};
    target = ExpandLanguageTokens(target, values, leadBytes);
    args = ExpandLanguageTokens(args, values, leadBytes);
    if (!webAddress) {
        const ResolvedTarget resolved =
            ResolveTarget(target, GetProgramFolder(), leadBytes, FileExists);
        if (!resolved.found) {
            ShowFormattedMessage(m_language, "IDS_FILENOTFOUND", resolved.path);
            return;
        }
        target = resolved.path;
    }
    // The form owns whatever the shell shows on its way.
    const HINSTANCE result =
        shell::Execute(m_hWnd, "open", target.c_str(), args.empty() ? nullptr : args.c_str(),
                       nullptr, SW_SHOWNORMAL);
    const auto code = reinterpret_cast<INT_PTR>(result);
    if (code <= 32)
        ShowLaunchError(m_language, code, target);
}
