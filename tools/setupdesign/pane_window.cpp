#include "pane_window.h"

#include "framework/message_box.h"
#include "key_edit.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

namespace {

// An empty child dialog: DS_CONTROL makes it a control parent, so dialog
// navigation of the window holding it passes through its controls.
struct PaneTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

} // namespace

PaneWindow::~PaneWindow() {
    if (!m_hwnd)
        return;
    // The derived pane is gone: what its controls say while they are destroyed
    // (an edit losing the focus) reaches no object.
    ::SetWindowLongPtrW(m_hwnd, DWLP_USER, 0);
    ::DestroyWindow(m_hwnd);
}

bool PaneWindow::Create(HWND parent) {
    if (m_hwnd)
        return false;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&classes);
    alignas(DWORD) PaneTemplate pane{};
    pane.header.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | DS_CONTROL;
    pane.header.dwExtendedStyle = WS_EX_CONTROLPARENT;
    const HWND hwnd =
        ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), &pane.header, parent, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr && m_hwnd == hwnd;
}

HWND PaneWindow::AddControl(const wchar_t* className, const std::wstring& text, DWORD style, int id,
                            DWORD exStyle) {
    const HWND control = ::CreateWindowExW(
        exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, m_hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    if (control)
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
    return control;
}

int PaneWindow::Scaled(int length) const {
    return ::MulDiv(length, m_dpi, 96);
}

int PaneWindow::RowHeight() const {
    return m_fontHeight + Scaled(8);
}

int PaneWindow::WidestText(std::initializer_list<HWND> windows) const {
    const WindowDC dc(m_hwnd);
    const SelectScope font(dc.get(), m_font.get());
    int widest = 0;
    for (const HWND window : windows) {
        std::wstring text = WindowTextOf(window);
        text.erase(std::remove(text.begin(), text.end(), L'&'), text.end());
        SIZE size{};
        ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    return widest;
}

void PaneWindow::Relayout() {
    RECT client{};
    ::GetClientRect(m_hwnd, &client);
    m_viewHeight = client.bottom;
    m_contentHeight = Layout(client.right, client.bottom, 0);
    m_scroll = std::max(0, std::min(m_scroll, m_contentHeight - m_viewHeight));
    if (m_scroll > 0)
        Layout(client.right, client.bottom, -m_scroll);
    Repaint();
    // Last: showing or hiding the bar resizes the pane, which places it all again.
    SCROLLINFO bar{sizeof bar, SIF_RANGE | SIF_PAGE | SIF_POS};
    bar.nMax = std::max(0, m_contentHeight - 1);
    bar.nPage = static_cast<UINT>(std::max(0, m_viewHeight));
    bar.nPos = m_scroll;
    ::SetScrollInfo(m_hwnd, SB_VERT, &bar, TRUE);
}

void PaneWindow::ScrollTo(int position) {
    const int clamped = std::max(0, std::min(position, m_contentHeight - m_viewHeight));
    if (clamped == m_scroll)
        return;
    m_scroll = clamped;
    Relayout();
}

void PaneWindow::ShowControl(HWND control) {
    RECT place{};
    ::GetWindowRect(control, &place);
    ::MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&place), 2);
    const int margin = Scaled(6);
    if (place.top < 0)
        ScrollTo(m_scroll + place.top - margin);
    else if (place.bottom > m_viewHeight)
        ScrollTo(m_scroll + place.bottom - m_viewHeight + margin);
}

void PaneWindow::Repaint() {
    // Controls are placed without painting each: all are painted once, after.
    ::RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void PaneWindow::AddStatusLine() {
    m_status = AddControl(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, -1);
}

void PaneWindow::PlaceStatusLine(RowLayout& rows) const {
    if (::GetWindowTextLengthW(m_status) > 0)
        rows.Whole(m_status, 2);
    else
        ::MoveWindow(m_status, 0, 0, 0, 0, FALSE);
}

void PaneWindow::Tell(const std::wstring& message) {
    ::SetWindowTextW(m_status, message.c_str());
    Relayout();
    // Assistive technology reads the changed text out.
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_status, OBJID_WINDOW, CHILDID_SELF);
}

void PaneWindow::CommitTyping() {
    const HWND focus = ::GetFocus();
    if (m_hwnd && focus && ::IsChild(m_hwnd, focus))
        if (KeyEdit* edit = FindEdit(::GetDlgCtrlID(focus)))
            edit->Commit(m_session);
}

INT_PTR CALLBACK PaneWindow::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        if (msg == WM_INITDIALOG) {
            auto* pane = reinterpret_cast<PaneWindow*>(lParam);
            ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
            pane->m_hwnd = hwnd;
        }
        auto* pane = reinterpret_cast<PaneWindow*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
        if (!pane)
            return FALSE;
        if (msg == WM_NCDESTROY) {
            pane->m_hwnd = nullptr;
            ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
            return FALSE;
        }
        return pane->HandleMessage(msg, wParam, lParam) ? TRUE : FALSE;
    } catch (...) {
        ReportWindowProcException();
        return FALSE;
    }
}

bool PaneWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        // The message font at the display's scale: sharp at any scale.
        const HDC screen = ::GetDC(nullptr);
        m_dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(nullptr, screen);
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        m_font.reset(::CreateFontIndirectW(&metrics.lfMessageFont));
        m_fontHeight =
            std::max(Scaled(13), std::abs(static_cast<int>(metrics.lfMessageFont.lfHeight)));
        OnCreate();
        Relayout();
        return false; // the focus stays where the main window has it
    }
    case WM_SIZE:
        Relayout();
        return true;
    case WM_VSCROLL: {
        SCROLLINFO bar{sizeof bar, SIF_ALL};
        ::GetScrollInfo(m_hwnd, SB_VERT, &bar);
        const int page = static_cast<int>(bar.nPage);
        switch (LOWORD(wParam)) {
        case SB_LINEUP:
            ScrollTo(m_scroll - RowHeight());
            break;
        case SB_LINEDOWN:
            ScrollTo(m_scroll + RowHeight());
            break;
        case SB_PAGEUP:
            ScrollTo(m_scroll - page);
            break;
        case SB_PAGEDOWN:
            ScrollTo(m_scroll + page);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            ScrollTo(bar.nTrackPos);
            break;
        case SB_TOP:
            ScrollTo(0);
            break;
        case SB_BOTTOM:
            ScrollTo(m_contentHeight);
            break;
        default:
            break;
        }
        return true;
    }
    case WM_MOUSEWHEEL:
        ScrollTo(m_scroll - GET_WHEEL_DELTA_WPARAM(wParam) * 3 * RowHeight() / WHEEL_DELTA);
        return true;
    case WM_COMMAND: {
        if (!lParam)
            return true;
        const HWND control = reinterpret_cast<HWND>(lParam);
        const int code = HIWORD(wParam);
        if (code == EN_SETFOCUS || code == CBN_SETFOCUS || code == BN_SETFOCUS)
            ShowControl(control);
        if (KeyEdit* edit = FindEdit(LOWORD(wParam))) {
            if (code == EN_CHANGE) {
                const std::wstring refusal = edit->Check();
                if (!refusal.empty())
                    Tell(refusal);
            } else if (code == EN_KILLFOCUS) {
                edit->Commit(m_session);
            }
        } else {
            OnCommand(LOWORD(wParam), code, control);
        }
        return true;
    }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code == NM_SETFOCUS)
            ShowControl(header.hwndFrom);
        OnNotify(header);
        return true;
    }
    default:
        return false;
    }
}

std::wstring WindowTextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void RowLayout::Row(HWND label, HWND control, HWND button, int buttonWidth) {
    const int left = m_gap + m_labelWidth + m_gap;
    int right = m_width - m_gap;
    if (button) {
        ::MoveWindow(button, right - buttonWidth, m_y, buttonWidth, m_rowHeight, FALSE);
        right -= buttonWidth + m_gap;
    }
    if (label)
        ::MoveWindow(label, m_gap, m_y + m_rowHeight / 6, m_labelWidth, m_rowHeight, FALSE);
    if (control)
        ::MoveWindow(control, left, m_y, std::max(0, right - left), m_rowHeight, FALSE);
    m_y += m_rowHeight + m_gap;
}

void RowLayout::Whole(HWND control, int rows) {
    const int height = m_rowHeight * rows + m_gap * (rows - 1);
    ::MoveWindow(control, m_gap, m_y, std::max(0, m_width - 2 * m_gap), height, FALSE);
    m_y += height + m_gap;
}

void RowLayout::Above(HWND label, HWND control) {
    Whole(label);
    m_y -= m_gap / 2; // a label belongs to what is below it
    Whole(control);
}

void RowLayout::Fill(HWND control, int bottom, int rowsBelow) {
    // Never less than a few rows: the pane scrolls instead.
    const int height =
        std::max(4 * m_rowHeight, bottom - m_y - rowsBelow * (m_rowHeight + m_gap) - m_gap);
    ::MoveWindow(control, m_gap, m_y, std::max(0, m_width - 2 * m_gap), height, FALSE);
    m_y += height + m_gap;
}
