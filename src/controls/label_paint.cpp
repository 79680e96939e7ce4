// The label's messages: painting, flash ticks, cursor, click, colour change.
#include "controls/label.h"

#include "controls/gradient_bands.h"
#include "controls/static_text_format.h"
#include "framework/shell_functions.h"

static_assert(static_style::kCenter == SS_CENTER && static_style::kRight == SS_RIGHT &&
              static_style::kLeftNoWordWrap == SS_LEFTNOWORDWRAP &&
              static_style::kTypeMask == SS_TYPEMASK &&
              static_style::kCenterImage == SS_CENTERIMAGE);
static_assert(text_format::kCenter == DT_CENTER && text_format::kRight == DT_RIGHT &&
              text_format::kVCenter == DT_VCENTER && text_format::kWordBreak == DT_WORDBREAK &&
              text_format::kSingleLine == DT_SINGLELINE && text_format::kLeft == DT_LEFT);

namespace {

// The colour of a solid brush; 0 (black) for none.
COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH description{};
    if (!brush || ::GetObjectA(brush, sizeof description, &description) == 0)
        return 0;
    return description.lbColor;
}

} // namespace

bool CLabel::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_TIMER:
        OnTimer();
        return false; // and on to the control's own handling
    case WM_LBUTTONDOWN:
        OnLButtonDown();
        return false;
    case WM_SETCURSOR:
        if (!OnSetCursor())
            return false;
        result = TRUE;
        return true;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        result = 0;
        return true;
    case WM_PAINT:
        OnPaint(reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
    case WM_SETTEXT:
    case WM_ENABLE:
        // The standard control draws its own look at once on these: put ours back.
        result = Default();
        Refresh();
        return true;
    default:
        return CStatic::OnMessage(msg, wParam, lParam, result);
    }
}

void CLabel::OnTimer() {
    m_bFlashPhase = !m_bFlashPhase;
    Refresh();
}

void CLabel::OnLButtonDown() {
    if (m_bNotifyParent) {
        NMHDR header{};
        header.hwndFrom = m_hWnd;
        header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
        header.code = kClickNotification;
        ::SendMessageA(GetParent(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
        return;
    }
    // The label's text names what it links to: a document, program or address.
    const std::string target = GetWindowText();
    if (target.empty())
        return;
    shell::Execute(::GetAncestor(m_hWnd, GA_ROOT), "open", target.c_str(), nullptr, nullptr,
                   SW_SHOWNORMAL);
}

bool CLabel::OnSetCursor() {
    if (!m_hCursor)
        return false;
    ::SetCursor(m_hCursor);
    return true;
}

void CLabel::OnSysColorChange() {
    m_brDefault.reset(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));
    Refresh();
}

void CLabel::OnPaint(HDC dc) {
    if (dc) {
        Paint(dc);
        return;
    }
    PaintScope paint(m_hWnd);
    Paint(paint.dc());
}

void CLabel::Paint(HDC target) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int width = client.right;
    const int height = client.bottom;
    const std::string text = GetWindowText();

    // An opaque label is composed off-screen and shown in one transfer, so it
    // never flickers; a transparent one must draw over what lies beneath.
    UniqueBitmap bitmap;
    MemoryDC memory;
    if (!m_bTransparent && width > 0 && height > 0) {
        bitmap.reset(::CreateCompatibleBitmap(target, width, height));
        memory.reset(::CreateCompatibleDC(target));
    }
    const bool offScreen = bitmap && memory;
    HDC surface = offScreen ? memory.get() : target;
    SelectScope bitmapSelection(surface, offScreen ? bitmap.get() : nullptr);
    {
        const int oldMode = ::SetBkMode(surface, TRANSPARENT);
        const COLORREF oldColour = ::SetTextColor(surface, m_crText);
        SelectScope fontSelection(surface, m_font.GetSafeHandle());

        const bool offPhase = m_nFlashMode != kNoFlash && !m_bFlashPhase;
        const bool inverse = offPhase && m_nFlashMode == kFlashInverse;
        if (!m_bTransparent)
            PaintBackground(surface, client, inverse);
        if (offPhase && m_nFlashMode == kFlashText) {
            // Hidden in a solid background; black when there is none of its own.
            ::SetTextColor(surface, BrushColour(m_brBackground.get()));
        } else if (inverse) {
            const COLORREF background =
                m_bGradient || m_brBackground ? m_crBackground : BrushColour(m_brDefault.get());
            ::SetTextColor(surface, background);
        }
        PaintText(surface, client, text);

        ::SetBkMode(surface, oldMode);
        ::SetTextColor(surface, oldColour);
    }
    if (offScreen)
        ::BitBlt(target, 0, 0, width, height, surface, 0, 0, SRCCOPY);
}

void CLabel::PaintBackground(HDC surface, const RECT& client, bool inverse) const {
    if (inverse) {
        UniqueBrush textBrush(::CreateSolidBrush(m_crText));
        ::FillRect(surface, &client, textBrush.get());
    } else if (m_bGradient) {
        DrawGradient(surface, client, m_crBackground, m_crGradientEnd, kGradientSteps);
    } else {
        ::FillRect(surface, &client, m_brBackground ? m_brBackground.get() : m_brDefault.get());
    }
}

void CLabel::PaintText(HDC surface, const RECT& client, const std::string& text) const {
    const int length = static_cast<int>(text.size());
    if (m_bRotate) {
        // The baseline starts at the centre and runs along the font's angle;
        // alignment and emboss do not apply to a turned text.
        const UINT oldAlign = ::SetTextAlign(surface, TA_BASELINE | TA_LEFT);
        POINT oldOrigin{};
        ::OffsetViewportOrgEx(surface, client.right / 2, client.bottom / 2, &oldOrigin);
        ::TextOutA(surface, 0, 0, text.data(), length);
        ::SetViewportOrgEx(surface, oldOrigin.x, oldOrigin.y, nullptr);
        ::SetTextAlign(surface, oldAlign);
        return;
    }
    const UINT format = StaticTextFormat(GetStyle(), text);
    RECT rect = client;
    ::DrawTextA(surface, text.data(), length, &rect, format);
    if (m_bEmboss) {
        ::SetTextColor(surface, m_crEmboss);
        const int shift = m_bEmbossLowerRight ? 1 : -1;
        ::OffsetRect(&rect, shift, shift);
        ::DrawTextA(surface, text.data(), length, &rect, format);
    }
}

void CLabel::DrawGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to, int steps) {
    SelectScope nullPen(dc, ::GetStockObject(NULL_PEN));
    for (const GradientBand& band :
         GradientBands(rect.left, rect.top, rect.right, rect.bottom, from, to, steps)) {
        UniqueBrush brush(::CreateSolidBrush(band.colour));
        SelectScope brushSelection(dc, brush.get());
        ::Rectangle(dc, band.left, band.top, band.right, band.bottom);
    }
}
