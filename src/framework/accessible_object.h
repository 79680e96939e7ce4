// What a window tells assistive technology beyond the platform's own answers:
// the platform's object for the window, with the name, role and description
// that the window knows better.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

struct AccessibleFacts {
    std::string name;        // empty: the platform's
    long role = 0;           // ROLE_SYSTEM_*; 0: the platform's
    std::string description; // empty: the platform's
};

// Answers WM_GETOBJECT for the window's client object; false, for default
// processing, for other objects or when the accessibility library (loaded
// from the system folder when first asked) is missing.
bool AnswerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam, const AccessibleFacts& facts,
                            LRESULT& result);
