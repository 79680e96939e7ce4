#include "pane_host.h"

#include "pane_window.h"

PaneHost::PaneHost()
    : m_hwnd(::CreateWindowExW(0, L"STATIC", L"pane host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               480, 600, nullptr, nullptr, nullptr, nullptr)) {}

PaneHost::~PaneHost() {
    ::DestroyWindow(m_hwnd);
}

void PaneHost::Fill(HWND pane) const {
    RECT client{};
    ::GetClientRect(m_hwnd, &client);
    ::MoveWindow(pane, 0, 0, client.right, client.bottom, TRUE);
}

HWND ControlLabelled(HWND pane, const std::wstring& label) {
    for (HWND child = ::GetWindow(pane, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (WindowTextOf(child) == label)
            return ::GetWindow(child, GW_HWNDNEXT);
    return nullptr;
}

bool PaneShows(HWND pane, const std::wstring& part) {
    for (HWND child = ::GetWindow(pane, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (WindowTextOf(child).find(part) != std::wstring::npos)
            return true;
    return false;
}

void Type(HWND edit, const std::wstring& text) {
    ::SetFocus(edit);
    ::SetWindowTextW(edit, text.c_str());
}
