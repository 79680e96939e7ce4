// Version 6 of the common controls, for the standard controls of dialogs and
// message boxes. The program asks for it in a manifest of its own (resource 2,
// beside the process manifest) whose activation context is active only while
// such a window runs: the forms, whose buttons the program draws itself, never
// load the library, which takes longer to start than a form takes to show.
#pragma once

#include <windows.h>

// Activates the common-controls context for its lifetime; the first one makes
// the context and initialises the library. Without the context (no manifest
// resource, or the platform refuses it) the windows get the system's default
// controls, never an error.
class CommonControlsScope {
public:
    // Does nothing when not `wanted`.
    explicit CommonControlsScope(bool wanted = true);
    CommonControlsScope(const CommonControlsScope&) = delete;
    CommonControlsScope& operator=(const CommonControlsScope&) = delete;
    ~CommonControlsScope();

private:
    ULONG_PTR m_cookie = 0;
    bool m_active = false;
};
