// A program's own top-level window and its message loop, for the programs
// that keep a window open beside the user's work instead of running a modal
// dialog (the designer): the loop gives the keyboard to the accelerators, then
// to the platform's dialog navigation (Tab, arrows, access keys), then to the
// window.
#pragma once

#include "framework/wnd.h"

#include <utility>

// Registers a window class whose procedure is the default one (CWnd binds
// each window at creation); once per class name, later calls do nothing.
// False when the platform refuses.
bool RegisterFrameClass(const char* className, UINT classStyle, HICON icon);

// Owns an accelerator table.
class UniqueAccelerators {
public:
    UniqueAccelerators() = default;
    explicit UniqueAccelerators(HACCEL table) : m_table(table) {}
    UniqueAccelerators(const UniqueAccelerators&) = delete;
    UniqueAccelerators& operator=(const UniqueAccelerators&) = delete;
    ~UniqueAccelerators() { reset(); }
    HACCEL get() const { return m_table; }
    void reset(HACCEL table = nullptr) {
        if (m_table)
            ::DestroyAcceleratorTable(m_table);
        m_table = table;
    }

private:
    HACCEL m_table = nullptr;
};

// Runs the thread's messages until WM_QUIT; returns its exit code. Keys go to
// `accelerators` for `frame` first, then to the frame's dialog navigation.
// A window whose object's PreTranslateMessage takes a message sees it first.
int RunFrameLoop(HWND frame, HACCEL accelerators);
