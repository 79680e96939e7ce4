// The dialog behind the "sqlexpress" button: asks twice for the database
// administrator password, then runs the installer with it and reports how the
// run ended.
#pragma once

#include "controls/label.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/gdi.h"

#include <string>

class CPasswordDlg : public CDialog {
public:
    // How long the installer may take to become idle and end, together.
    static constexpr DWORD kInstallerTimeLimitMs = 300000;

    // The language code names the section of the dialog's texts and replaces
    // "$LANGUAGE" in the program; "$LOGFILE" and "$PASSWORD" are replaced in
    // the arguments. With no parent the application's active form owns the dialog.
    CPasswordDlg(std::string language, std::string program, std::string args, CWnd* parent);
    ~CPasswordDlg() override;

    // Called when the controls exist: sets up the prompt, loads the texts,
    // centres the dialog; the focus goes to the Password field.
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Called when either field changes or loses the focus: Install is enabled,
    // and takes the focus, only while the entry is valid.
    void OnEditChange();
    // Called by the Install button: writes the command file, runs the
    // installer, reports the outcome and closes with IDOK.
    void OnInstall();
    void LoadTexts();

    // Starts the installer's process from the whole command line; returns
    // ERROR_SUCCESS or the platform's error. Tests stand in for a platform
    // that asks for elevation by overriding it.
    virtual DWORD StartInstaller(const std::string& commandLine, UniqueHandle& process);

    CButton m_btnCancel;
    CStatic m_lblConfirm;
    CStatic m_lblPassword;
    CButton m_btnInstall;
    std::string m_strPassword;
    std::string m_strConfirm;
    std::string m_strLanguage;
    std::string m_strProgram;
    std::string m_strArgs;
    CLabel m_prompt;
    // Only tests shorten it.
    DWORD m_installerTimeLimitMs = kInstallerTimeLimitMs;

private:
    // Fields into members, without leaving the old password in freed memory.
    void ReadFields();
    // Shows the owner form on top and paints it, hiding the dialog, when the owner is a form.
    void UncoverOwnerForm();
    void RunInstaller(const std::string& commandLine, const std::string& commandFile);
    void ShowInstallerFailure() const;
    // Overwrites the password in the fields and the members.
    void WipePassword();
    // Stretches the header picture across the dialog the dialog manager laid
    // out at the display's scale; nothing at 96 DPI.
    void ScaleHeaderPicture();

    UniqueBitmap m_scaledHeader; // outlives the dialog's window, which shows it
    bool m_running = false;      // Install was pressed: the dialog takes no more commands
};
