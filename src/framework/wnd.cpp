#include "framework/wnd.h"

#include "framework/message_box.h"

#include <unordered_map>

namespace {

std::unordered_map<HWND, CWnd*>& HandleMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

bool IsReflected(UINT msg) {
    switch (msg) {
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        return true;
    default:
        return false;
    }
}

HWND ReflectionTarget(UINT msg, LPARAM lParam) {
    if (msg == WM_DRAWITEM)
        return lParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    return reinterpret_cast<HWND>(lParam);
}

} // namespace

CWnd::~CWnd() {
    if (m_gone)
        *m_gone = true;
    if (!m_hWnd)
        return;
    if (m_createdHere)
        ::DestroyWindow(m_hWnd); // WM_NCDESTROY detaches
    else if (m_originalProc)
        RestoreOriginalProc(m_hWnd, m_originalProc);
    Detach();
}

void CWnd::RestoreOriginalProc(HWND hwnd, WNDPROC original) {
    if (::GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc))
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    auto& map = HandleMap();
    auto found = map.find(hwnd);
    return found == map.end() ? nullptr : found->second;
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    HandleMap()[hwnd] = this;
}

void CWnd::Detach() {
    if (m_hWnd) {
        auto& map = HandleMap();
        auto found = map.find(m_hWnd);
        if (found != map.end() && found->second == this)
            map.erase(found);
    }
    m_hWnd = nullptr;
    m_originalProc = nullptr;
    m_createdHere = false;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || m_hWnd || FromHandle(hwnd))
        return false;
    Attach(hwnd);
    PreSubclassWindow();
    m_originalProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    if (!m_originalProc) {
        Detach(); // refused: the window stays unbound and unmapped
        return false;
    }
    return true;
}

bool CWnd::SubclassDlgItem(int id, const CWnd* parent) {
    return parent && SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* text, DWORD style,
                    const RECT& rect, const CWnd* parent, int id) {
    if (m_hWnd)
        return false;
    HWND parentHwnd = parent ? parent->m_hWnd : nullptr;
    HMENU idOrMenu =
        (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    HWND hwnd = ::CreateWindowExA(exStyle, className, text, style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, parentHwnd,
                                  idOrMenu, ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        return false;
    if (!SubclassWindow(hwnd)) {
        ::DestroyWindow(hwnd);
        return false;
    }
    m_createdHere = true;
    return true;
}

void CWnd::DestroyWindow() {
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

void ReadWindowText(HWND hwnd, std::string& text) {
    const int length = ::GetWindowTextLengthA(hwnd);
    text.resize(static_cast<size_t>(length > 0 ? length : 0) + 1);
    const int copied = ::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
}

std::string CWnd::GetWindowText() const {
    std::string text;
    ReadWindowText(m_hWnd, text);
    return text;
}

namespace {

// Removes, then adds bits of the style word at the index; with swpFlags the
// window is told that its frame changed.
bool ModifyStyleWord(HWND hwnd, int index, DWORD remove, DWORD add, UINT swpFlags) {
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(hwnd, index));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return false;
    ::SetWindowLongA(hwnd, index, static_cast<LONG>(changed));
    if (swpFlags)
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return true;
}

} // namespace

bool CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
    return ModifyStyleWord(m_hWnd, GWL_STYLE, remove, add, swpFlags);
}

bool CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags) {
    return ModifyStyleWord(m_hWnd, GWL_EXSTYLE, remove, add, swpFlags);
}

bool CWnd::PreTranslateMessage(MSG*) {
    return false;
}

bool CWnd::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool CWnd::OnCommand(WPARAM, LPARAM) {
    return false;
}

LRESULT CWnd::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_originalProc)
        return ::CallWindowProcA(m_originalProc, m_hWnd, msg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

CWnd::CurrentMessageScope::CurrentMessageScope(CWnd& wnd, const MSG& message)
    : m_wnd(wnd), m_outer(wnd.m_current), m_outerGone(wnd.m_gone) {
    m_wnd.m_current = message;
    m_wnd.m_gone = &m_gone;
}

CWnd::CurrentMessageScope::~CurrentMessageScope() {
    if (m_gone) {
        if (m_outerGone)
            *m_outerGone = true;
        return;
    }
    m_wnd.m_current = m_outer;
    m_wnd.m_gone = m_outerGone;
}

LRESULT CWnd::Default() {
    return DefaultProc(m_current.message, m_current.wParam, m_current.lParam);
}

bool CWnd::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (IsReflected(msg)) {
        if (CWnd* child = FromHandle(ReflectionTarget(msg, lParam)))
            if (child != this && child->OnChildNotify(msg, wParam, lParam, result))
                return true;
    }
    if (msg == WM_COMMAND && OnCommand(wParam, lParam)) {
        result = 0;
        return true;
    }
    return OnMessage(msg, wParam, lParam, result);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWnd* self = FromHandle(hwnd);
    if (!self || !self->m_originalProc)
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);

    // A handler may end the object: what is needed after it is copied first.
    const WNDPROC original = self->m_originalProc;
    LRESULT result = 0;
    bool gone = false;
    {
        const CurrentMessageScope current(*self, MSG{hwnd, msg, wParam, lParam, 0, {0, 0}});
        bool handled = false;
        try {
            handled = self->Dispatch(msg, wParam, lParam, result);
        } catch (...) {
            ReportWindowProcException();
        }
        if (!handled)
            result = ::CallWindowProcA(original, hwnd, msg, wParam, lParam);
        gone = current.ObjectGone();
    }

    if (msg == WM_NCDESTROY) {
        RestoreOriginalProc(hwnd, original);
        if (!gone)
            self->Detach();
    }
    return result;
}
