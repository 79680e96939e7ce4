// The base of the designer's side panes: a child dialog (so that Tab and the
// access keys move through its controls, and the main window's dialog
// navigation enters it) whose controls are made in code, in the system's
// message font at the display's scale, in the system's colours. A pane taller
// than its window scrolls, and brings the control that takes the focus into view.
#pragma once

#include "design_session.h"
#include "framework/gdi.h"

#include <windows.h>

#include <initializer_list>
#include <string>

class KeyEdit;
class RowLayout;

class PaneWindow {
public:
    explicit PaneWindow(DesignSession& session) : m_session(session) {}
    PaneWindow(const PaneWindow&) = delete;
    PaneWindow& operator=(const PaneWindow&) = delete;
    virtual ~PaneWindow();

    // Makes the pane a child of the parent, with its controls; false when the
    // platform refuses (nothing is left behind then).
    bool Create(HWND parent);
    HWND Handle() const { return m_hwnd; }
    // Writes what the author is typing in one of the pane's edits, so that a
    // command of the main window (saving, running) sees it.
    void CommitTyping();

    // A control of the pane, in the pane's font, after those made before it
    // (so Tab and the assistive technology's label-before-edit naming follow
    // the order of making).
    HWND AddControl(const wchar_t* className, const std::wstring& text, DWORD style, int id,
                    DWORD exStyle = 0);
    // A label: its text's "&" marks the access key that moves to the control
    // after it. The panes' access keys differ from each other's and from the
    // menu bar's (F, E, L, V, A), which they would otherwise take over.
    HWND AddLabel(const std::wstring& text) { return AddControl(L"STATIC", text, SS_LEFT, -1); }
    // The width of the widest of the windows' texts in the pane's font.
    int WidestText(std::initializer_list<HWND> windows) const;
    // A one-line edit that Tab reaches.
    HWND AddEdit(int id, DWORD style = 0) {
        return AddControl(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL | style, id, WS_EX_CLIENTEDGE);
    }

protected:
    // Called once the pane exists: makes its controls.
    virtual void OnCreate() = 0;
    // Called when the pane's size or scroll position changes: places the
    // controls from `top` down in a window of width x height; returns the
    // height of all the controls (more than `height` when they need scrolling).
    virtual int Layout(int width, int height, int top) = 0;
    // The edit bound to a key with this control id; none when it is no such edit.
    virtual KeyEdit* FindEdit(int id) = 0;
    // Called for the command of a control that is no such edit (button click,
    // list notification code).
    virtual void OnCommand(int id, int code, HWND control) = 0;
    // Called for a control's WM_NOTIFY.
    virtual void OnNotify(const NMHDR& header) { (void)header; }

    // A length at 96 DPI at the display's scale.
    int Scaled(int length) const;
    // The height of one line of the pane's font, padded for an edit's frame.
    int RowHeight() const;

    // Places the pane's controls again at its present size.
    void Relayout();
    // The status line that tells the author why something was refused; made
    // where it is called, in the order of Tab.
    void AddStatusLine();
    // Shows the author a message in the pane's status line.
    void Tell(const std::wstring& message);
    // Places the status line: two rows while it holds a message, none while empty.
    void PlaceStatusLine(RowLayout& rows) const;

    DesignSession& m_session;
    HWND m_hwnd = nullptr;
    HWND m_status = nullptr;

private:
    void Repaint();
    void ScrollTo(int position);
    // Scrolls a control that took the focus into view.
    void ShowControl(HWND control);
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    GdiObject<HFONT> m_font;
    int m_dpi = 96;
    int m_fontHeight = 16;
    int m_scroll = 0;        // pixels of the pane scrolled out at the top
    int m_viewHeight = 0;    // the window's height
    int m_contentHeight = 0; // the controls' height
};

// The Unicode text of a window.
std::wstring WindowTextOf(HWND hwnd);

// Where a pane's controls go, top to bottom: a label on the left of each
// control, or above a control that takes the whole width.
class RowLayout {
public:
    RowLayout(int width, int labelWidth, int rowHeight, int gap, int top)
        : m_width(width), m_labelWidth(labelWidth), m_rowHeight(rowHeight), m_gap(gap), m_top(top),
          m_y(top + gap) {}
    // A label and its control on one row; an optional button at the right end.
    void Row(HWND label, HWND control, HWND button = nullptr, int buttonWidth = 0);
    // A control across the whole width, `rows` rows high.
    void Whole(HWND control, int rows = 1);
    // A label on a row of its own, its control across the whole width below.
    void Above(HWND label, HWND control);
    // A control across the whole width down to `bottom` less the rows below it.
    void Fill(HWND control, int bottom, int rowsBelow);
    // The height of what was placed.
    int Height() const { return m_y - m_top; }

private:
    int m_width;
    int m_labelWidth;
    int m_rowHeight;
    int m_gap;
    int m_top;
    int m_y;
};
