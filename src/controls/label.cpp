#include "controls/label.h"

#include "app/face_name.h"
#include "app/system_code_page.h"

#include <algorithm>
#include <climits>

CLabel::CLabel()
    : m_crText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_brDefault(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE))) {}

CLabel::~CLabel() {
    // The window may outlive this object; its ticks must not flash it any more.
    StopFlashTimer();
}

void CLabel::PreSubclassWindow() {
    CStatic::PreSubclassWindow();
    // A control that was never given a font draws with the stock GUI font.
    auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (!font || ::GetObjectA(font, sizeof m_lf, &m_lf) == 0)
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof m_lf, &m_lf);
    RebuildFont();
}

void CLabel::RebuildFont() {
    m_font.DeleteObject();
    m_font.CreateFontIndirect(m_lf);
}

void CLabel::Refresh() {
    if (!m_hWnd)
        return;
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    // A transparent label shows its parent through: that area is repainted too.
    if (!(GetStyle() & WS_CHILD))
        return;
    HWND parent = GetParent();
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    ::InvalidateRect(parent, &rect, TRUE);
    ::UpdateWindow(parent);
}

CLabel& CLabel::SetBackgroundColor(COLORREF colour, COLORREF gradientEnd, bool gradient) {
    m_crBackground = colour;
    m_crGradientEnd = gradientEnd;
    m_bGradient = gradient;
    m_brBackground.reset();
    if (!gradient)
        m_brBackground.reset(::CreateSolidBrush(colour));
    Refresh();
    return *this;
}

CLabel& CLabel::SetTextColor(COLORREF colour) {
    m_crText = colour;
    Refresh();
    return *this;
}

CLabel& CLabel::SetText(const std::string& text) {
    // The window-text message repaints the label (see OnMessage).
    if (m_hWnd)
        SetWindowText(text);
    return *this;
}

CLabel& CLabel::SetFontBold(bool bold) {
    m_lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    RebuildFont();
    Refresh();
    return *this;
}

CLabel& CLabel::SetFontName(const std::string& faceName, BYTE charSet) {
    m_lf.lfCharSet = charSet;
    CopyFaceName(m_lf.lfFaceName, faceName, CurrentLeadBytes());
    RebuildFont();
    Refresh();
    return *this;
}

CLabel& CLabel::SetFontUnderline(bool underline) {
    m_lf.lfUnderline = underline ? TRUE : FALSE;
    RebuildFont();
    Refresh();
    return *this;
}

CLabel& CLabel::SetFontItalic(bool italic) {
    m_lf.lfItalic = italic ? TRUE : FALSE;
    RebuildFont();
    Refresh();
    return *this;
}

CLabel& CLabel::SetFontSize(int points) {
    // The platform's own point-to-pixel rounding for the screen, in tenths.
    const int tenths = std::clamp(points, INT_MIN / 10, INT_MAX / 10) * 10;
    CFont sized;
    LOGFONTA measured{};
    if (sized.CreatePointFont(tenths, m_lf.lfFaceName) && sized.GetLogFont(&measured)) {
        m_lf.lfHeight = measured.lfHeight;
        m_lf.lfWidth = measured.lfWidth;
    }
    RebuildFont();
    Refresh();
    return *this;
}

CLabel& CLabel::SetStaticEdge(bool edge) {
    if (m_hWnd)
        ModifyStyleEx(edge ? 0 : WS_EX_STATICEDGE, edge ? WS_EX_STATICEDGE : 0, SWP_FRAMECHANGED);
    return *this;
}

CLabel& CLabel::SetBorder(bool border) {
    if (m_hWnd)
        ModifyStyle(border ? 0 : WS_BORDER, border ? WS_BORDER : 0, SWP_FRAMECHANGED);
    return *this;
}

CLabel& CLabel::SetTransparent(bool transparent) {
    m_bTransparent = transparent;
    // Left on when switched off: an opaque label covers its area anyway.
    if (m_hWnd)
        ModifyStyleEx(0, WS_EX_TRANSPARENT);
    Refresh();
    return *this;
}

void CLabel::StopFlashTimer() {
    if (m_bTimer && m_hWnd)
        ::KillTimer(m_hWnd, kFlashTimer);
    m_bTimer = false;
}

void CLabel::StartFlashing(FlashMode mode) {
    // Without a window there is no timer to drive the phases.
    if (!m_hWnd)
        return;
    StopFlashTimer();
    m_bFlashPhase = false;
    m_bTimer = ::SetTimer(m_hWnd, kFlashTimer, kFlashPeriodMs, nullptr) != 0;
    m_nFlashMode = mode;
}

CLabel& CLabel::FlashText(bool flash) {
    if (flash) {
        StartFlashing(kFlashText);
    } else {
        StopFlashTimer();
        m_nFlashMode = kNoFlash;
    }
    return *this;
}

CLabel& CLabel::SetFlashMode2(bool flash) {
    if (flash) {
        StartFlashing(kFlashInverse);
        return *this;
    }
    StopFlashTimer();
    // A stopped inverse flash must not stay caught in its swapped colours.
    if (m_nFlashMode == kFlashInverse) {
        m_nFlashMode = kNoFlash;
        Refresh();
    }
    return *this;
}

CLabel& CLabel::SetLink(bool link, bool notifyParent) {
    // A static control receives mouse clicks only with SS_NOTIFY.
    if (m_hWnd)
        ModifyStyle(link ? 0 : SS_NOTIFY, link ? SS_NOTIFY : 0);
    m_bNotifyParent = notifyParent;
    return *this;
}

CLabel& CLabel::SetHoverCursor(HCURSOR cursor) {
    m_hCursor = cursor;
    return *this;
}

CLabel& CLabel::SetTextEmboss(bool emboss, bool lowerRight) {
    m_bEmboss = emboss;
    m_bEmbossLowerRight = lowerRight;
    Refresh();
    return *this;
}

CLabel& CLabel::SetRotationAngle(int degrees, bool rotate) {
    // The font record counts in tenths of a degree; whole turns are dropped so
    // that no angle overflows it.
    const LONG tenths = (degrees % 360) * 10;
    m_lf.lfEscapement = tenths;
    m_lf.lfOrientation = tenths;
    m_bRotate = rotate;
    RebuildFont();
    Refresh();
    return *this;
}

CLabel& CLabel::SetEmbossColor(COLORREF colour) {
    m_crEmboss = colour;
    Refresh();
    return *this;
}
