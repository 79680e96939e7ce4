// The designer's end-to-end tests: setupdesign.exe started on the test's
// folder (a copy of the sample beside launcher.exe) and worked from outside
// by messages, the way the launcher's tests work the launcher.
#pragma once

#include "launcher_fixture.h"

#include <functional>
#include <memory>
#include <string>

class DesignerTest : public LauncherTest {
protected:
    void TearDown() override;

    // Starts the designer on the test's folder and waits for its window.
    void StartDesigner();
    // Closes it as the user does; it must end (no unsaved work).
    void CloseDesigner();
    LaunchedProgram& designer() { return *m_designer; }
    HWND frame() const { return m_frame; }
    HWND canvas() const { return m_canvas; }

    // A command of the menu, sent: it has run when this returns. A command
    // that opens a box is posted instead (`wait` false).
    void Command(int command, bool wait = true) const;
    // A point of the picture (pixels of Setup.ini at 100 % on a 96 DPI display)
    // in the canvas's client coordinates, the canvas unscrolled.
    static POINT OnCanvas(int x, int y);
    // The left button pressed at `from`, moved in steps to `to`, released.
    void Drag(POINT from, POINT to) const;
    // A key pressed while the canvas has the focus.
    void Key(WPARAM key) const;
    // The canvas's name for assistive technology: the form and the selection.
    std::string CanvasName() const;

    std::string ReadFile(const std::string& name) const;
    // Polls until the condition holds or `milliseconds` have passed.
    static bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = kWaitMs);

private:
    std::unique_ptr<LaunchedProgram> m_designer;
    HWND m_frame = nullptr;
    HWND m_canvas = nullptr;
};
