#include "pane_window.h"

#include "framework/message_box.h"

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
    if (m_hwnd)
        ::DestroyWindow(m_hwnd);
}

bool PaneWindow::Create(HWND parent) {
    if (m_hwnd)
        return false;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&classes);
    alignas(DWORD) PaneTemplate pane{};
    pane.header.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | DS_CONTROL;
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

void PaneWindow::Relayout() {
    RECT client{};
    ::GetClientRect(m_hwnd, &client);
    Layout(client.right, client.bottom);
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
        Layout(LOWORD(lParam), HIWORD(lParam));
        ::InvalidateRect(m_hwnd, nullptr, TRUE);
        return true;
    case WM_COMMAND:
        if (lParam)
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return true;
    case WM_NOTIFY:
        OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return true;
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

void RowLayout::Fill(HWND control, int bottom, int rowsBelow) {
    const int height =
        std::max(m_rowHeight, bottom - m_y - rowsBelow * (m_rowHeight + m_gap) - m_gap);
    ::MoveWindow(control, m_gap, m_y, std::max(0, m_width - 2 * m_gap), height, FALSE);
    m_y += height + m_gap;
}
