// The base of every window object: links an HWND to its C++ object, routes
// messages to virtual handlers and reflects owner-draw and colour messages to
// the control they concern.
//
// How the framework's layers report failure, one convention each:
// - Windows and dialogs (wnd.h, dialog.h): binding and creating return false,
//   DoModal returns -1; a failed call leaves nothing behind (no window bound to
//   the object, no entry in the handle map, no window it created).
// - Window procedures: no exception crosses one; the thunks report it through
//   ReportWindowProcException (message_box.h) and go on.
// - Files (file.h): opening in the constructor, reading and writing throw
//   CFileException; Open returns false and never throws.
// - Pictures (image.h): Load and CopyFrom return the decoder's status and hold
//   nothing after a failure; Draw returns whether it painted.
// - Handle owners (gdi.h): hold nothing after a failed creation and test as
//   false; the Create functions return whether they hold one.
// Functions that cannot fail return no status.
#pragma once

#include <windows.h>

#include <string>

// Reads a window's text into `text`, in place: a buffer large enough already
// is reused, so a repeated read allocates nothing.
void ReadWindowText(HWND hwnd, std::string& text);

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object attached to a window, or none.
    static CWnd* FromHandle(HWND hwnd);

    // Binds an existing window (a control of a dialog template) to this object;
    // false, with nothing bound, when the object already has a window, the
    // window has an object, or the platform refuses (another process's window).
    bool SubclassWindow(HWND hwnd);
    bool SubclassDlgItem(int id, const CWnd* parent);
    // Creates a child or pop-up window of a registered class and binds it; false,
    // with no window left, when the object has one already or either step fails.
    bool CreateEx(DWORD exStyle, const char* className, const char* text, DWORD style,
                  const RECT& rect, const CWnd* parent, int id);
    void DestroyWindow();

    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }
    // Removes, then adds style bits; with swpFlags the frame is recomputed.
    bool ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    bool ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    void Invalidate(bool erase = true) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }

    // Called by the modal loop before a message is dispatched; true swallows it.
    virtual bool PreTranslateMessage(MSG* msg);

protected:
    // Called once the window is bound, before the object sees its messages.
    virtual void PreSubclassWindow() {}
    // Called for every message of the window; returns true when handled.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Called for WM_DRAWITEM and WM_CTLCOLOR* that the parent received for this control.
    virtual bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Called for WM_COMMAND; returns true when handled.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);

    // The window's own processing (the class procedure) for a message.
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // The window's own processing for the message being handled now.
    LRESULT Default();

    // Routing shared by controls and dialogs: reflection, commands, OnMessage.
    bool Dispatch(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Attach(HWND hwnd);
    void Detach();

    // Makes a message the one Default() processes while a handler runs, and
    // restores the outer one after (handlers may send messages of their own).
    // Learns when a handler destroys the object, and then touches it no more.
    class CurrentMessageScope {
    public:
        CurrentMessageScope(CWnd& wnd, const MSG& message);
        ~CurrentMessageScope();
        CurrentMessageScope(const CurrentMessageScope&) = delete;
        CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;
        bool ObjectGone() const { return m_gone; }

    private:
        CWnd& m_wnd;
        MSG m_outer;
        bool m_gone = false;
        bool* m_outerGone;
    };

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Puts the original procedure back, unless another has replaced ours since.
    static void RestoreOriginalProc(HWND hwnd, WNDPROC original);

    WNDPROC m_originalProc = nullptr;
    bool* m_gone = nullptr; // the innermost running handler's flag, set when the object goes
    MSG m_current{};
    bool m_createdHere = false;
};
