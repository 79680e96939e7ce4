#include "controls/button_st.h"

#include "controls/caption_layout.h"
#include "controls/spoken_caption.h"
#include "framework/accessible_object.h"
#include "framework/gdi.h"
#include "framework/keyboard_cues.h"

namespace {

constexpr DWORD kButtonTypeMask = 0x1F;
constexpr UINT kMeasureFlags = DT_WORDBREAK | DT_CENTER | DT_CALCRECT;
constexpr UINT kDrawFlags = DT_WORDBREAK | DT_CENTER;
// The focus cue's distance from the button's edges, inside the frame.
constexpr int kFocusCueInset = 3;

CaptionBox ToBox(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

RECT ToRect(const CaptionBox& b) {
    return {b.left, b.top, b.right, b.bottom};
}

void DrawCaptionText(HDC dc, const std::string& text, RECT& rect) {
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, kDrawFlags);
}

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
    ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

// A one-pixel frame: topLeft on the top and left edges, bottomRight on the
// right and bottom edges, which also take the two corners they share.
void Draw3dRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    FillSolid(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

// Whether the window has a non-client area (border, edge or scroll bars).
bool HasFrame(HWND window) {
    RECT outer{};
    RECT inner{};
    ::GetWindowRect(window, &outer);
    ::GetClientRect(window, &inner);
    return outer.right - outer.left != inner.right || outer.bottom - outer.top != inner.bottom;
}

} // namespace

CButtonST::CButtonST() {
    ResetColors(FALSE);
}

CButtonST::~CButtonST() = default;

int CButtonST::ResetColors(BOOL repaint) {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    m_colors = {face, text, face, text, face, text};
    if (repaint && m_hWnd)
        Invalidate();
    return BUTTON_OK;
}

int CButtonST::SetChecked(BOOL value, BOOL repaint) {
    if (m_checkBox) {
        m_checkState = value ? 1 : 0;
        if (repaint && m_hWnd)
            Invalidate();
    }
    return BUTTON_OK;
}

void CButtonST::EndHover() {
    if (!m_hovering)
        return;
    m_hovering = FALSE;
    if (m_hWnd)
        Invalidate();
}

void CButtonST::PreSubclassWindow() {
    const DWORD type = GetStyle() & 0xFF;
    if (type & BS_CHECKBOX)
        m_checkBox = TRUE;
    if ((type & kButtonTypeMask) == BS_DEFPUSHBUTTON)
        m_isDefault = TRUE;
    ModifyStyle(kButtonTypeMask, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

bool CButtonST::PreTranslateMessage(MSG* msg) {
    // A fast second click must press the button again, not arrive as a double click.
    if (msg->message == WM_LBUTTONDBLCLK)
        msg->message = WM_LBUTTONDOWN;
    return CButton::PreTranslateMessage(msg);
}

bool CButtonST::OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_DRAWITEM:
        if (!lParam)
            return false;
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        // The face is painted by DrawItem; the platform must not fill it first.
        result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
        return true;
    default:
        return CButton::OnChildNotify(msg, wParam, lParam, result);
    }
}

bool CButtonST::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_NCPAINT:
        // A button without a frame has nothing outside its client area: the
        // platform would only fetch a device context to paint nothing.
        if (!HasFrame(m_hWnd)) {
            result = 0;
            return true;
        }
        return CButton::OnMessage(msg, wParam, lParam, result);
    case WM_GETDLGCODE:
        result = Default() | (m_isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        return true;
    case BM_SETSTYLE: {
        // The dialog manager moves the default look this way; stay owner-drawn.
        const DWORD type = static_cast<DWORD>(wParam) & kButtonTypeMask;
        if (type == BS_DEFPUSHBUTTON)
            m_isDefault = TRUE;
        else if (type == BS_PUSHBUTTON)
            m_isDefault = FALSE;
        const WPARAM style = (wParam & ~static_cast<WPARAM>(kButtonTypeMask)) | BS_OWNERDRAW;
        result = DefaultProc(msg, style, lParam);
        return true;
    }
    case BM_GETCHECK:
        result = m_checkState;
        return true;
    case BM_SETCHECK:
        SetChecked(wParam == BST_CHECKED || wParam == BST_INDETERMINATE ? TRUE : FALSE, TRUE);
        result = 0;
        return true;
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, lParam);
        result = 0;
        return true;
    case WM_MOUSELEAVE:
        EndHover();
        result = 0;
        return true;
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
        result = Default();
        EndHover();
        return true;
    case WM_ENABLE:
        result = Default();
        if (!wParam)
            OnDisabled();
        return true;
    case WM_SYSCOLORCHANGE:
        result = Default();
        ResetColors(TRUE);
        return true;
    case WM_GETOBJECT: {
        // A push button named by its caption as shown, also where the
        // platform would call an owner-drawn button something else.
        AccessibleFacts facts;
        facts.name = SpokenCaption(GetWindowText());
        facts.role = ROLE_SYSTEM_PUSHBUTTON;
        if (AnswerAccessibleObject(m_hWnd, wParam, lParam, facts, result))
            return true;
        return CButton::OnMessage(msg, wParam, lParam, result);
    }
    case WM_UPDATEUISTATE:
        // The keyboard cues were shown or hidden: the focused button repaints.
        result = Default();
        if (::GetFocus() == m_hWnd)
            Invalidate();
        return true;
    default:
        return CButton::OnMessage(msg, wParam, lParam, result);
    }
}

void CButtonST::OnMouseMove(WPARAM keys, LPARAM point) {
    Default();
    POINT cursor{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    ::ClientToScreen(m_hWnd, &cursor);
    const HWND under = ::WindowFromPoint(cursor);
    // A drag that began elsewhere does not light the button.
    if ((keys & MK_LBUTTON) && !m_hovering)
        return;
    if (under != m_hWnd) {
        EndHover();
        return;
    }
    if (m_hovering)
        return;
    m_hovering = TRUE;
    Invalidate();
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = m_hWnd;
    ::TrackMouseEvent(&track);
}

void CButtonST::OnDisabled() {
    // The platform drops the focus of a window it disables; hand it on, but
    // never take it from another control that holds it.
    const HWND focus = ::GetFocus();
    if (!focus || focus == m_hWnd) {
        const HWND parent = GetParent();
        HWND next = parent ? ::GetNextDlgTabItem(parent, m_hWnd, FALSE) : nullptr;
        if (next == m_hWnd)
            next = nullptr;
        if (next)
            ::SetFocus(next);
        else if (parent)
            ::SetFocus(parent);
    }
    EndHover();
}

void CButtonST::DrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    if (m_checkBox)
        m_pressed = (item.itemState & ODS_SELECTED) || m_checkState ? TRUE : FALSE;
    else
        m_pressed = (item.itemState & ODS_SELECTED) ? TRUE : FALSE;
    m_focused = (item.itemState & ODS_FOCUS) ? TRUE : FALSE;
    m_disabled = (item.itemState & ODS_DISABLED) ? TRUE : FALSE;

    RECT face = item.rcItem;
    ::SetBkMode(dc, TRANSPARENT);
    PaintBackground(dc, face);
    PaintBorder(dc, face);

    // Read into a buffer the button keeps: after the first paint, painting
    // allocates nothing.
    ReadWindowText(m_hWnd, m_caption);
    RECT captionRect = item.rcItem;
    if (!m_caption.empty())
        PaintCaption(dc, m_caption, item.rcItem, captionRect, m_pressed, m_disabled);
    if (m_focused && FocusCueShown(m_hWnd))
        PaintFocusCue(dc, item.rcItem);
}

void CButtonST::PaintInto(HDC dc) {
    // The state the platform's button hands to its owner.
    const LRESULT state = ::SendMessageA(m_hWnd, BM_GETSTATE, 0, 0);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(::GetDlgCtrlID(m_hWnd));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ((state & BST_FOCUS) ? ODS_FOCUS : 0) |
                     ((state & BST_PUSHED) ? ODS_SELECTED : 0) |
                     (::IsWindowEnabled(m_hWnd) ? 0 : ODS_DISABLED);
    item.hwndItem = m_hWnd;
    item.hDC = dc;
    ::GetClientRect(m_hWnd, &item.rcItem);
    SelectScope font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
    DrawItem(item);
}

void CButtonST::PaintFocusCue(HDC dc, const RECT& rect) {
    RECT cue = rect;
    ::InflateRect(&cue, -kFocusCueInset, -kFocusCueInset);
    if (cue.right > cue.left && cue.bottom > cue.top)
        ::DrawFocusRect(dc, &cue);
}

void CButtonST::PaintBackground(HDC dc, const RECT& rect) {
    COLORREF colour = m_colors.idleBack;
    if (m_hovering || m_pressed)
        colour = m_colors.activeBack;
    else if (m_focused)
        colour = m_colors.focusBack;
    UniqueBrush brush(::CreateSolidBrush(colour));
    ::FillRect(dc, &rect, brush.get());
}

void CButtonST::PaintBorder(HDC dc, const RECT& rect) {
    if (m_pressed)
        Draw3dRect(dc, rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    else if (m_hovering)
        Draw3dRect(dc, rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
}

void CButtonST::PaintCaption(HDC dc, const std::string& text, const RECT&, RECT& captionRect,
                             BOOL pressed, BOOL disabled) {
    if (pressed && !m_checkBox)
        ::OffsetRect(&captionRect, m_pressShift.x, m_pressShift.y);
    const CaptionBox box = ToBox(captionRect);
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &captionRect, kMeasureFlags);
    captionRect = ToRect(CentreBlock(box, ToBox(captionRect)));
    ::SetBkMode(dc, TRANSPARENT);

    if (disabled) {
        // Engraved: highlight one pixel down-right, shadow on top.
        ::OffsetRect(&captionRect, 1, 1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawCaptionText(dc, text, captionRect);
        ::OffsetRect(&captionRect, -1, -1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNSHADOW));
        DrawCaptionText(dc, text, captionRect);
        return;
    }
    if (m_hovering || pressed) {
        ::SetTextColor(dc, m_colors.activeText);
        ::SetBkColor(dc, m_colors.activeBack);
    } else if (m_focused) {
        ::SetTextColor(dc, m_colors.focusText);
        ::SetBkColor(dc, m_colors.focusBack);
    } else {
        ::SetTextColor(dc, m_colors.idleText);
        ::SetBkColor(dc, m_colors.idleBack);
    }
    DrawCaptionText(dc, text, captionRect);
}
