// For the designer's pane tests: a shown top-level window to hold a pane, as
// the designer's main window holds it, and the pane's controls found and
// typed into as the author and assistive technology find them.
#pragma once

#include <windows.h>

#include <string>

class PaneHost {
public:
    PaneHost();
    PaneHost(const PaneHost&) = delete;
    PaneHost& operator=(const PaneHost&) = delete;
    ~PaneHost();
    HWND hwnd() const { return m_hwnd; }
    // Gives the pane the whole of the window.
    void Fill(HWND pane) const;

private:
    HWND m_hwnd;
};

// The control after the label that names it; none when no label has the text.
HWND ControlLabelled(HWND pane, const std::wstring& label);

// Whether some control of the pane shows a text holding the part.
bool PaneShows(HWND pane, const std::wstring& part);

// Typing into an edit: the focus there, its text changed.
void Type(HWND edit, const std::wstring& text);
