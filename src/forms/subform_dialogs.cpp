// The form's actions that run a secondary dialog.
#include "forms/subform_dlg.h"

#include "dialogs/license_agreement.h"
#include "dialogs/password_dlg.h"

bool CSubformDlg::RunClickThrough(const std::string& url, const std::string& args) {
    CLicenseAgreement licence(m_language, nullptr);
    if (licence.DoModal() != IDOK)
        return false;
    OpenTarget(url, args);
    return true;
}

void CSubformDlg::RunDatabaseInstaller(const std::string& program, const std::string& args) {
    // The dialog reports every outcome itself.
    CPasswordDlg dialog(m_language, program, args, nullptr);
    dialog.DoModal();
}
