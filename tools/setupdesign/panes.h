// The panes beside the canvas, made for each session and laid out by the
// main window.
#pragma once

#include "design_session.h"

#include <windows.h>

#include <memory>
#include <vector>

class FormCanvas;

class DesignerPanes {
public:
    DesignerPanes();
    DesignerPanes(const DesignerPanes&) = delete;
    DesignerPanes& operator=(const DesignerPanes&) = delete;
    ~DesignerPanes();

    // Makes the panes of the session as children of `parent`, the canvas
    // told which buttons have errors.
    void Create(DesignSession& session, HWND parent, FormCanvas& canvas);
    void Destroy();
    void Refresh();
    // Writes what the author is still typing in a pane, before a command of
    // the main window (save, run, close) reads the document.
    void CommitTyping();
    // Places them in the rectangle right of the canvas and the one below it.
    void Layout(const RECT& side, const RECT& below);
    // Their windows, in the order F6 visits them.
    std::vector<HWND> Windows() const;

private:
    struct Parts;
    std::vector<std::unique_ptr<Parts>> m_parts; // none or one: made per session
};
