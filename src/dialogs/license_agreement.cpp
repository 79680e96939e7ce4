#include "dialogs/license_agreement.h"

#include "app/launcher_settings.h"
#include "app/program_folder.h"
#include "app/rich_edit_library.h"
#include "app/setup_ini.h"
#include "app/system_code_page.h"
#include "dialogs/rtf_group_depth.h"
#include "framework/file.h"
#include "framework/message_box.h"
#include "res/resource.h"

#include <algorithm>

namespace {

// Large enough for any licence: the control's own default (32,767 characters)
// would cut a longer one without a word.
constexpr LPARAM kLicenseTextLimit = 0x7FFFFFFE;

constexpr const char* kLicenseTooDeep =
    "The licence text is nested too deeply to be shown in full; it ends where it goes deeper.";

constexpr const char* kLicenseTooLong = "The licence text is too long to be shown in full.";
// Licence texts run to some hundred kilobytes; several megabytes are still
// shown whole. The control may take seconds per megabyte, so a file past this
// bound is cut, with a message, rather than hold the launcher for minutes.
constexpr UINT kMaxLicenseBytes = 8 * 1024 * 1024;
// The text streams in chunks of at most this size; between them, at most this
// often, the dialog around the text area is repainted and other programs are
// answered.
constexpr UINT kChunkBytes = 64 * 1024;
constexpr DWORD kPaintIntervalMs = 100;

// The dialog's private message, posted from its initialisation: stream the text.
constexpr UINT kStreamLicenseMessage = WM_APP + 1;

// What the read callback reads from: the file, the bytes it may still pass,
// and the bound on its nesting that ends the stream before a group the
// control could not hold.
struct LicenseSource {
    LicenseSource(CFile& licenceFile, HWND textArea) : file(licenceFile), text(textArea) {}
    CFile& file;
    HWND text;
    RtfGroupDepthGuard depth;
    UINT bytesLeft = kMaxLicenseBytes;
    bool tooLong = false;
    DWORD lastPaint = ::GetTickCount();
};

// Repaints what needs it of the dialog and its controls, except the text area
// in the middle of its stream, and answers what other programs send (a stream
// of megabytes takes seconds). No queued message, input or timer is
// dispatched: nothing of the launcher's own reaches the control or the
// dialog's handlers until the stream has ended.
void PaintAroundNowAndThen(LicenseSource& source) {
    const DWORD now = ::GetTickCount();
    if (now - source.lastPaint < kPaintIntervalMs)
        return;
    source.lastPaint = now;
    const HWND dialog = ::GetParent(source.text);
    // UpdateWindow would paint every child, the text area too.
    ::RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (child != source.text)
            ::UpdateWindow(child);
    MSG none;
    ::PeekMessageA(&none, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

// The control's read callback: fills its buffer from the LicenseSource given
// as the cookie. No exception may leave it; a failed read ends the stream.
DWORD CALLBACK ReadLicenseBytes(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* read) {
    if (read)
        *read = 0;
    auto* source = reinterpret_cast<LicenseSource*>(cookie);
    if (!read || !buffer || wanted <= 0 || source->depth.cut() || source->tooLong)
        return 0;
    try {
        if (source->bytesLeft == 0) {
            BYTE probe = 0;
            source->tooLong = source->file.Read(&probe, 1) != 0;
            return 0;
        }
        PaintAroundNowAndThen(*source);
        const UINT asked = std::min({static_cast<UINT>(wanted), source->bytesLeft, kChunkBytes});
        const UINT got = source->file.Read(buffer, asked);
        const std::size_t admitted =
            source->depth.Admit(reinterpret_cast<const char*>(buffer), got);
        source->bytesLeft -= static_cast<UINT>(admitted);
        *read = static_cast<LONG>(admitted);
        return 0;
    } catch (...) {
        return 1;
    }
}

} // namespace

CLicenseAgreement::CLicenseAgreement(const std::string& language, CWnd* parent)
    : CDialog(IDD_LICENSE_AGREEMENT, parent), m_language(language) {}

CLicenseAgreement::~CLicenseAgreement() = default;

INT_PTR CLicenseAgreement::DoModal() {
    LoadRichEditLibrary();
    return CDialog::DoModal();
}

void CLicenseAgreement::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnContinue);
    DDX_Control(pDX, IDCANCEL, m_btnExit);
    DDX_Control(pDX, IDC_LICENSE_HEADER, m_staticHeader);
    DDX_Control(pDX, IDC_AGREE_CHECK, m_checkAgree);
    DDX_Control(pDX, IDC_LICENSE_TEXT, m_richLicense);
}

BOOL CLicenseAgreement::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(ReadIniString(m_language, "IDS_LICENSECAPTION"));
    m_btnContinue.SetWindowText(ReadIniString(m_language, "IDS_OK"));
    m_btnExit.SetWindowText(ReadIniString(m_language, "IDS_CANCEL"));
    m_checkAgree.SetWindowText(ReadIniString(m_language, "IDS_AGREEMENT"));
    m_staticHeader.SetWindowText(ReadIniString(m_language, "IDS_LICENSEHEADER"));
    m_richLicense.SetBackgroundColor(kLicenseBackground);
    // The text comes once the dialog is shown.
    ::PostMessageA(m_hWnd, kStreamLicenseMessage, 0, 0);
    // The agreement box takes the focus; the licence text before it in the
    // tab order (it follows its heading, which names it) is one Shift+Tab away.
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_checkAgree.GetSafeHwnd()), TRUE);
    return FALSE;
}

bool CLicenseAgreement::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != kStreamLicenseMessage)
        return CDialog::OnMessage(msg, wParam, lParam, result);
    OnStreamLicense();
    return true;
}

void CLicenseAgreement::OnStreamLicense() {
    // The dialog manager would show the dialog only once its queue is empty.
    ::ShowWindow(m_hWnd, SW_SHOW);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // A missing file, and a path too long to name anything, leave the text
    // area empty without a word.
    const std::string path = LicensePath();
    if (!FileExists(path))
        return;
    try {
        StreamLicense(path);
    } catch (const CFileException& e) {
        // Something is there but cannot be read (a folder, no permission,
        // held by another process): tell the user; the dialog stays without it.
        AppMessageBox(e.what(), MB_OK | MB_ICONSTOP);
    }
}

std::string CLicenseAgreement::LicensePath() const {
    const std::string relative =
        RunSettings().m_eulaRoot + '\\' + m_language + '\\' + ReadIniString(m_language, "IDS_EULA");
    return JoinPath(GetProgramFolder(), relative, CurrentLeadBytes());
}

void CLicenseAgreement::StreamLicense(const std::string& path) {
    CFile file(path, CFile::modeRead | CFile::shareDenyNone);
    m_richLicense.SendMessage(EM_EXLIMITTEXT, 0, kLicenseTextLimit);
    LicenseSource source{file, m_richLicense.m_hWnd};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = &ReadLicenseBytes;
    m_richLicense.SendMessage(EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    m_richLicense.SendMessage(EM_SETMARGINS, EC_USEFONTINFO,
                              MAKELPARAM(EC_USEFONTINFO, EC_USEFONTINFO));
    file.Close();
    if (source.depth.cut())
        AppMessageBox(kLicenseTooDeep, MB_OK | MB_ICONEXCLAMATION);
    else if (source.tooLong)
        AppMessageBox(kLicenseTooLong, MB_OK | MB_ICONEXCLAMATION);
}

bool CLicenseAgreement::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_AGREE_CHECK && HIWORD(wParam) == BN_CLICKED) {
        OnAgreeClicked();
        return true;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CLicenseAgreement::OnAgreeClicked() {
    m_btnContinue.EnableWindow(m_checkAgree.GetCheck() == BST_CHECKED);
}
