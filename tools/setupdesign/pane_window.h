// The base of the designer's side panes: a child dialog (so that Tab and the
// access keys move through its controls, and the main window's dialog
// navigation enters it) whose controls are made in code, in the system's
// message font at the display's scale, in the system's colours.
#pragma once

#include "framework/gdi.h"

#include <windows.h>

#include <string>

class PaneWindow {
public:
    PaneWindow() = default;
    PaneWindow(const PaneWindow&) = delete;
    PaneWindow& operator=(const PaneWindow&) = delete;
    virtual ~PaneWindow();

    // Makes the pane a child of the parent, with its controls; false when the
    // platform refuses (nothing is left behind then).
    bool Create(HWND parent);
    HWND Handle() const { return m_hwnd; }

    // A control of the pane, in the pane's font, after those made before it
    // (so Tab and the assistive technology's label-before-edit naming follow
    // the order of making).
    HWND AddControl(const wchar_t* className, const std::wstring& text, DWORD style, int id,
                    DWORD exStyle = 0);
    // A label: its text's "&" marks the access key that moves to the control after it.
    HWND AddLabel(const std::wstring& text) { return AddControl(L"STATIC", text, SS_LEFT, -1); }
    // A one-line edit that Tab reaches.
    HWND AddEdit(int id, DWORD style = 0) {
        return AddControl(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL | style, id, WS_EX_CLIENTEDGE);
    }

protected:
    // Called once the pane exists: makes its controls.
    virtual void OnCreate() = 0;
    // Called when the pane's size changes: places the controls.
    virtual void Layout(int width, int height) = 0;
    // Called for a control's command (button click, edit or list notification code).
    virtual void OnCommand(int id, int code, HWND control) = 0;
    // Called for a control's WM_NOTIFY.
    virtual void OnNotify(const NMHDR& header) { (void)header; }

    // A length at 96 DPI at the display's scale.
    int Scaled(int length) const;
    // The height of one line of the pane's font, padded for an edit's frame.
    int RowHeight() const;
    // Places the pane's controls again at its present size.
    void Relayout();

    HWND m_hwnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    GdiObject<HFONT> m_font;
    int m_dpi = 96;
    int m_fontHeight = 16;
};

// The Unicode text of a window.
std::wstring WindowTextOf(HWND hwnd);

// Where a pane's controls go, top to bottom: a label on the left of each
// control, or above a control that takes the whole width.
class RowLayout {
public:
    RowLayout(int width, int labelWidth, int rowHeight, int gap)
        : m_width(width), m_labelWidth(labelWidth), m_rowHeight(rowHeight), m_gap(gap), m_y(gap) {}
    // A label and its control on one row; an optional button at the right end.
    void Row(HWND label, HWND control, HWND button = nullptr, int buttonWidth = 0);
    // A control across the whole width, `rows` rows high.
    void Whole(HWND control, int rows = 1);
    // A control across the whole width down to `bottom` less the rows below it.
    void Fill(HWND control, int bottom, int rowsBelow);
    int Y() const { return m_y; }

private:
    int m_width;
    int m_labelWidth;
    int m_rowHeight;
    int m_gap;
    int m_y;
};
