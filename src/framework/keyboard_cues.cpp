#include "framework/keyboard_cues.h"

namespace {

constexpr WORD kHiddenCues = UISF_HIDEFOCUS | UISF_HIDEACCEL;

bool g_lastInputWasKey = false;
int g_highContrastOverride = -1;

bool SystemAlwaysShowsCues() {
    BOOL cues = FALSE;
    return HighContrastOn() || (::SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &cues, 0) && cues);
}

bool MovesFocus(WPARAM key) {
    switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

WORD InitialUiState() {
    return SystemAlwaysShowsCues() || g_lastInputWasKey ? 0 : kHiddenCues;
}

WORD ChangedUiState(WORD state, WPARAM request) {
    const WORD flags = HIWORD(request) & kHiddenCues;
    switch (LOWORD(request)) {
    case UIS_SET:
        return SystemAlwaysShowsCues() ? 0 : static_cast<WORD>(state | flags);
    case UIS_CLEAR:
        return static_cast<WORD>(state & ~flags);
    case UIS_INITIALIZE:
        return InitialUiState();
    default:
        return state;
    }
}

void NoteInput(const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        g_lastInputWasKey = true;
        const bool alt = msg.wParam == VK_MENU;
        if (msg.hwnd && (alt || MovesFocus(msg.wParam)))
            ::SendMessageA(::GetAncestor(msg.hwnd, GA_ROOT), WM_CHANGEUISTATE,
                           MAKEWPARAM(UIS_CLEAR, alt ? kHiddenCues : UISF_HIDEFOCUS), 0);
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        g_lastInputWasKey = false;
        break;
    default:
        break;
    }
}

void ForgetLastInput() {
    g_lastInputWasKey = false;
}

bool FocusCueShown(HWND control) {
    const LRESULT state = ::SendMessageA(::GetAncestor(control, GA_ROOT), WM_QUERYUISTATE, 0, 0);
    return SystemAlwaysShowsCues() || !(state & UISF_HIDEFOCUS);
}

bool HighContrastOn() {
    if (g_highContrastOverride >= 0)
        return g_highContrastOverride != 0;
    HIGHCONTRASTA scheme{};
    scheme.cbSize = sizeof scheme;
    return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof scheme, &scheme, 0) &&
           (scheme.dwFlags & HCF_HIGHCONTRASTON);
}

void OverrideHighContrast(int state) {
    g_highContrastOverride = state;
}
