#include "framework/dialog.h"

#include "framework/app.h"
#include "framework/common_controls.h"
#include "framework/keyboard_cues.h"
#include "framework/message_box.h"

#include <algorithm>

namespace {

// Lets window objects see messages of the modal loops before they are dispatched.
class MessageFilterHook {
public:
    MessageFilterHook() {
        if (s_depth++ == 0)
            s_hook = ::SetWindowsHookExA(WH_MSGFILTER, &MessageFilterHook::Filter, nullptr,
                                         ::GetCurrentThreadId());
    }
    ~MessageFilterHook() {
        if (--s_depth == 0) {
            ForgetLastInput();
            if (s_hook)
                ::UnhookWindowsHookEx(s_hook);
            s_hook = nullptr;
        }
    }
    MessageFilterHook(const MessageFilterHook&) = delete;
    MessageFilterHook& operator=(const MessageFilterHook&) = delete;

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam) {
        if (code == MSGF_DIALOGBOX && lParam) {
            MSG* msg = reinterpret_cast<MSG*>(lParam);
            NoteInput(*msg);
            try {
                for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
                    if (CWnd* wnd = CWnd::FromHandle(hwnd))
                        if (wnd->PreTranslateMessage(msg))
                            return 1;
                    if (!(::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
                        break;
                }
            } catch (...) {
                ReportWindowProcException();
            }
        }
        return ::CallNextHookEx(s_hook, code, wParam, lParam);
    }

    static inline HHOOK s_hook = nullptr;
    static inline int s_depth = 0;
};

bool ReturnsValueDirectly(UINT msg) {
    switch (msg) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

} // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (!control.m_hWnd)
        control.SubclassDlgItem(id, pDX->m_pDlgWnd);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    HWND item = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
    if (!item)
        return;
    if (pDX->m_bSaveAndValidate) {
        ReadWindowText(item, value);
    } else {
        ::SetWindowTextA(item, value.c_str());
    }
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : GetSafeOwner();
    MessageFilterHook hook;
    const CommonControlsScope controls(HasStandardControls());
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

void CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange{this, saveAndValidate};
    DoDataExchange(&exchange);
}

namespace {

// The start of a window of this size moved into [areaStart, areaEnd): its far
// edge first, then its near edge, so one larger than the area starts at its start.
int KeptInside(int start, int size, int areaStart, int areaEnd) {
    return std::max(std::min(start, areaEnd - size), areaStart);
}

// Puts the window, `width` by `height`, centred over `alternate` or its owner,
// or on its screen's work area when there is none, and inside that work area.
void PlaceCentred(HWND window, HWND alternate, int width, int height, UINT flags) {
    HWND centre = alternate ? alternate : ::GetWindow(window, GW_OWNER);
    if (centre && (!::IsWindowVisible(centre) || ::IsIconic(centre)))
        centre = nullptr;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoA(::MonitorFromWindow(centre ? centre : window, MONITOR_DEFAULTTOPRIMARY),
                      &info);
    const RECT& work = info.rcWork;
    RECT area = work;
    if (centre)
        ::GetWindowRect(centre, &area);
    // Centred, then kept inside the work area of its screen.
    const int x =
        KeptInside((area.left + area.right) / 2 - width / 2, width, work.left, work.right);
    const int y =
        KeptInside((area.top + area.bottom) / 2 - height / 2, height, work.top, work.bottom);
    ::SetWindowPos(window, nullptr, x, y, width, height, flags | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void CDialog::CenterWindow(HWND alternate) {
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    PlaceCentred(m_hWnd, alternate, window.right - window.left, window.bottom - window.top,
                 SWP_NOSIZE);
}

void CDialog::CenterWindow(int width, int height) {
    PlaceCentred(m_hWnd, nullptr, width, height, 0);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_CHANGEUISTATE:
        UpdateUiState(ChangedUiState(m_uiState, wParam));
        result = 0;
        return true;
    case WM_QUERYUISTATE:
        result = m_uiState;
        return true;
    default:
        return CWnd::OnMessage(msg, wParam, lParam, result);
    }
}

void CDialog::UpdateUiState(WORD state) {
    const WORD changed = state ^ m_uiState;
    m_uiState = state;
    AnnounceUiState(changed);
}

void CDialog::AnnounceUiState(WORD cues) {
    const WORD hidden = m_uiState & cues;
    const WORD shown = ~m_uiState & cues;
    for (const WPARAM update : {MAKEWPARAM(UIS_SET, hidden), MAKEWPARAM(UIS_CLEAR, shown)}) {
        if (HIWORD(update))
            ::EnumChildWindows(m_hWnd, &CDialog::SendUiStateUpdate, static_cast<LPARAM>(update));
    }
}

BOOL CALLBACK CDialog::SendUiStateUpdate(HWND child, LPARAM update) {
    ::SendMessageA(child, WM_UPDATEUISTATE, static_cast<WPARAM>(update), 0);
    return TRUE;
}

bool CDialog::OnCommand(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) != BN_CLICKED)
        return false;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->Attach(hwnd);
    } else {
        self = dynamic_cast<CDialog*>(FromHandle(hwnd));
    }
    if (!self)
        return FALSE;

    // Only top-level windows hear of new system colours; controls follow them.
    if (msg == WM_SYSCOLORCHANGE)
        for (HWND child = ::GetWindow(hwnd, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT))
            ::SendMessageA(child, msg, wParam, lParam);
    LRESULT result = 0;
    bool handled = false;
    const CurrentMessageScope current(*self, MSG{hwnd, msg, wParam, lParam, 0, {0, 0}});
    try {
        if (msg == WM_INITDIALOG) {
            self->m_uiState = InitialUiState();
            result = self->OnInitDialog();
            // The controls start with the platform's state: tell them ours, all of it.
            self->AnnounceUiState(kAllCues);
            handled = true;
        } else {
            handled = self->Dispatch(msg, wParam, lParam, result);
        }
    } catch (...) {
        ReportWindowProcException();
        if (msg == WM_INITDIALOG) {
            result = TRUE;
            handled = true;
        }
    }
    if (msg == WM_NCDESTROY && !current.ObjectGone())
        self->Detach();
    if (!handled)
        return FALSE;
    if (ReturnsValueDirectly(msg))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}
