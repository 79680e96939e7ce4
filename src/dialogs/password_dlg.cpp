#include "dialogs/password_dlg.h"

#include "app/formatted_message.h"
#include "app/paths.h"
#include "app/program_folder.h"
#include "app/setup_ini.h"
#include "app/system_code_page.h"
#include "dialogs/installer_command.h"
#include "dialogs/installer_process.h"
#include "dialogs/installer_wait.h"
#include "dialogs/password_rules.h"
#include "forms/subform_dlg.h"
#include "framework/message_box.h"
#include "graphics/display_scale.h"
#include "framework/file.h"
#include "framework/screen_scale.h"
#include "res/resource.h"

#include <utility>

namespace {

constexpr COLORREF kPromptBackground = RGB(255, 255, 255);
constexpr COLORREF kPromptText = RGB(0, 64, 0);
constexpr int kPromptPoints = 8;

// The user's temporary folder as the platform tells it; empty when it cannot,
// so the files are named relative to the current folder.
WidePath TemporaryFolder() {
    return PlatformWidePath(
        [](wchar_t* buffer, unsigned size) { return ::GetTempPathW(size, buffer); });
}

// Tells the user that the command file has no place: the code page spells the
// temporary folder neither as written nor by a short name.
void ReportUnusableTemporaryFolder(const wchar_t* folder) {
    wchar_t text[kMaxPathBytes + 80] = L"This system cannot spell the temporary folder\n\n";
    ::lstrcatW(text, folder);
    ::lstrcatW(text, L"\n\nSet TEMP to a folder of Latin letters.");
    AppMessageBoxWide(text, MB_OK | MB_ICONEXCLAMATION);
}

// Keeps a window from taking input while it lives.
class WindowDisabled {
public:
    explicit WindowDisabled(HWND hwnd) : m_hwnd(hwnd), m_wasEnabled(!::EnableWindow(hwnd, FALSE)) {}
    WindowDisabled(const WindowDisabled&) = delete;
    WindowDisabled& operator=(const WindowDisabled&) = delete;
    ~WindowDisabled() {
        if (m_wasEnabled)
            ::EnableWindow(m_hwnd, TRUE);
    }

private:
    HWND m_hwnd;
    bool m_wasEnabled;
};

// The command file, which records the command line: created new by the
// launcher after a stale file of its name is removed, held open (others may
// read it) until the installer has started, then removed, since it holds the
// password. Removed when it goes, too.
class CommandFile {
public:
    explicit CommandFile(std::string path) : m_path(std::move(path)) {}
    CommandFile(const CommandFile&) = delete;
    CommandFile& operator=(const CommandFile&) = delete;
    ~CommandFile() { Remove(); }

    // False when it cannot be created; a failed write throws CFileException.
    bool Create(const std::string& content) {
        ::DeleteFileA(m_path.c_str());
        if (!m_file.Open(m_path, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite))
            return false;
        m_created = true;
        m_file.Write(content.data(), static_cast<UINT>(content.size()));
        return true;
    }
    void Remove() {
        m_file.Close();
        if (m_created)
            ::DeleteFileA(m_path.c_str());
        m_created = false;
    }

private:
    std::string m_path;
    CFile m_file;
    bool m_created = false;
};

// Overwrites an edit control's text in place before emptying it.
void WipeEditText(HWND edit) {
    const int length = ::GetWindowTextLengthA(edit);
    ::SetWindowTextA(edit, std::string(static_cast<size_t>(length > 0 ? length : 0), '*').c_str());
    ::SetWindowTextA(edit, "");
    ::SendMessageA(edit, EM_EMPTYUNDOBUFFER, 0, 0);
}

} // namespace

CPasswordDlg::CPasswordDlg(std::string language, std::string program, std::string args,
                           CWnd* parent)
    : CDialog(IDD_PASSWORD, parent), m_strLanguage(std::move(language)),
      m_strProgram(std::move(program)), m_strArgs(std::move(args)) {}

CPasswordDlg::~CPasswordDlg() {
    WipeSecret(m_strPassword);
    WipeSecret(m_strConfirm);
}

void CPasswordDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PASSWORD_CANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_CONFIRM_LABEL, m_lblConfirm);
    DDX_Control(pDX, IDC_PASSWORD_LABEL, m_lblPassword);
    DDX_Control(pDX, IDC_PASSWORD_INSTALL, m_btnInstall);
    DDX_Text(pDX, IDC_PASSWORD_EDIT, m_strPassword);
    DDX_Text(pDX, IDC_CONFIRM_EDIT, m_strConfirm);
    DDX_Control(pDX, IDC_PASSWORD_PROMPT, m_prompt);
}

BOOL CPasswordDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Topmost stays; the dialog just gets no task-bar button of its own.
    ModifyStyleEx(WS_EX_APPWINDOW, 0);
    m_prompt.SetBackgroundColor(kPromptBackground, 0, false)
        .SetTextColor(kPromptText)
        .SetFontSize(kPromptPoints)
        .SetFontBold(false);
    LoadTexts();
    ScaleHeaderPicture();
    CenterWindow();
    return TRUE;
}

void CPasswordDlg::ScaleHeaderPicture() {
    const HWND header = ::GetDlgItem(m_hWnd, IDC_HEADER_PICTURE);
    const auto picture =
        reinterpret_cast<HBITMAP>(::SendMessageA(header, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP size{};
    RECT dialog{}, frame{}, inside{};
    if (ScreenFit().dpi == kBaseDpi || !picture || !::GetObjectA(picture, sizeof size, &size) ||
        size.bmWidth <= 0 || !::GetClientRect(m_hWnd, &dialog) ||
        !::GetWindowRect(header, &frame) || !::GetClientRect(header, &inside))
        return;
    // As wide as the dialog, as at 96 DPI, whatever the dialog font's metrics.
    const int edgeWidth = frame.right - frame.left - inside.right;
    const int edgeHeight = frame.bottom - frame.top - inside.bottom;
    const int width = dialog.right - edgeWidth;
    const int height = ::MulDiv(size.bmHeight, width, size.bmWidth);
    WindowDC screen(nullptr);
    m_scaledHeader.reset(::CreateCompatibleBitmap(screen.get(), width, height));
    MemoryDC source(screen.get());
    MemoryDC target(screen.get());
    if (!m_scaledHeader || !source || !target)
        return;
    {
        SelectScope from(source.get(), picture);
        SelectScope to(target.get(), m_scaledHeader.get());
        ::SetStretchBltMode(target.get(), HALFTONE);
        ::SetBrushOrgEx(target.get(), 0, 0, nullptr);
        ::StretchBlt(target.get(), 0, 0, width, height, source.get(), 0, 0, size.bmWidth,
                     size.bmHeight, SRCCOPY);
    }
    // The control hands back the resource's picture, which is ours to free from now on.
    const UniqueBitmap replaced(reinterpret_cast<HBITMAP>(::SendMessageA(
        header, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_scaledHeader.get()))));
    ::SetWindowPos(header, nullptr, 0, 0, width + edgeWidth, height + edgeHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPasswordDlg::LoadTexts() {
    m_prompt.SetWindowText(ReadIniString(m_strLanguage, "IDS_CAPTION"));
    m_lblConfirm.SetWindowText(ReadIniString(m_strLanguage, "IDS_CONFIRM"));
    m_lblPassword.SetWindowText(ReadIniString(m_strLanguage, "IDS_PASSWORD"));
    m_btnCancel.SetWindowText(ReadIniString(m_strLanguage, "IDS_CANCEL"));
    m_btnInstall.SetWindowText(ReadIniString(m_strLanguage, "IDS_INSTALL"));
    // Drawn over the header picture.
    ::SetWindowPos(m_prompt.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
}

bool CPasswordDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (m_running)
        return true;
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDC_PASSWORD_CANCEL && code == BN_CLICKED) {
        OnCancel();
        return true;
    }
    if (id == IDC_PASSWORD_INSTALL && code == BN_CLICKED) {
        OnInstall();
        return true;
    }
    if ((id == IDC_PASSWORD_EDIT || id == IDC_CONFIRM_EDIT) &&
        (code == EN_CHANGE || code == EN_KILLFOCUS)) {
        OnEditChange();
        return true;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CPasswordDlg::ReadFields() {
    WipeSecret(m_strPassword);
    WipeSecret(m_strConfirm);
    UpdateData(true);
}

void CPasswordDlg::OnEditChange() {
    ReadFields();
    const bool valid = IsValidPassword(m_strPassword, m_strConfirm);
    m_btnInstall.EnableWindow(valid);
    if (valid)
        ::SetFocus(m_btnInstall.m_hWnd);
}

void CPasswordDlg::OnInstall() {
    // Only from the enabled state, and once: a command sent while Install is
    // disabled starts nothing.
    if (!::IsWindowEnabled(m_btnInstall.m_hWnd))
        return;
    m_running = true;
    std::string commandLine;
    try {
        ReadFields();
        UncoverOwnerForm();
        const WidePath temporaryPath = TemporaryFolder();
        const std::string temporaryFolder = AnsiPath(temporaryPath.data());
        if (temporaryPath[0] && temporaryFolder.empty()) {
            ReportUnusableTemporaryFolder(temporaryPath.data());
        } else {
            const std::string commandFile =
                JoinPath(temporaryFolder, kCommandFileName, CurrentLeadBytes());
            const std::string logFile = JoinPath(temporaryFolder, kLogFileName, CurrentLeadBytes());
            commandLine = BuildInstallerCommandLine(
                {m_strProgram, m_strArgs, m_strLanguage, m_strPassword, logFile},
                CurrentLeadBytes());
            RunInstaller(commandLine, commandFile);
        }
    } catch (...) {
        // Reported, and the dialog still closes rather than stay hidden.
        ReportWindowProcException();
    }
    WipeSecret(commandLine);
    WipePassword();
    OnOK();
}

void CPasswordDlg::UncoverOwnerForm() {
    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!owner || !dynamic_cast<CSubformDlg*>(CWnd::FromHandle(owner)))
        return;
    ::ShowWindow(m_hWnd, SW_HIDE);
    ::SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::InvalidateRect(owner, nullptr, TRUE);
    ::UpdateWindow(owner);
}

void CPasswordDlg::RunInstaller(const std::string& commandLine, const std::string& commandFile) {
    CommandFile file(commandFile);
    try {
        if (!file.Create(commandLine)) {
            ShowFormattedMessage(m_strLanguage, "IDS_FILENOTFOUND", commandFile);
            return;
        }
    } catch (const CFileException& error) {
        file.Remove();
        AppMessageBox(error.what(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    try {
        UniqueHandle process;
        DWORD error = StartInstaller(commandLine, process);
        if (error == kErrorElevationRequired) {
            const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
            error = StartElevatedInstaller(commandLine, owner ? owner : m_hWnd, process)
                        ? ERROR_SUCCESS
                        : ERROR_CANCELLED;
        }
        file.Remove();
        if (error != ERROR_SUCCESS || !process.valid()) {
            ShowInstallerFailure();
            return;
        }
        InstallerWait outcome;
        {
            WindowDisabled disabled(m_hWnd);
            outcome = WaitForInstaller(process.get(), m_installerTimeLimitMs);
        }
        // The installer had the foreground: the outcome is told in front of it.
        if (const HWND owner = ::GetWindow(m_hWnd, GW_OWNER))
            ::SetForegroundWindow(owner);
        if (outcome == InstallerWait::Ended)
            AppMessageBox(ReadIniString(m_strLanguage, "IDS_REBOOT_REQUIRED"),
                          MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
        else
            ShowInstallerFailure();
    } catch (...) {
        file.Remove();
        ShowInstallerFailure();
    }
}

DWORD CPasswordDlg::StartInstaller(const std::string& commandLine, UniqueHandle& process) {
    return CreateInstallerProcess(commandLine, process);
}

void CPasswordDlg::ShowInstallerFailure() const {
    AppMessageBox(ReadIniString(m_strLanguage, "IDS_SQLEXPRESS_FAILED"),
                  MB_OK | MB_ICONHAND | MB_TASKMODAL | MB_SETFOREGROUND);
}

void CPasswordDlg::WipePassword() {
    WipeEditText(::GetDlgItem(m_hWnd, IDC_PASSWORD_EDIT));
    WipeEditText(::GetDlgItem(m_hWnd, IDC_CONFIRM_EDIT));
    WipeSecret(m_strPassword);
    WipeSecret(m_strConfirm);
}
