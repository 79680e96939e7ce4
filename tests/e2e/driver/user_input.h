// Working another process's windows like a user does.
#pragma once

#include <windows.h>

// Moves the mouse pointer to a screen point and reports the move as input.
void HoverAt(POINT screenPoint);

// Moves the pointer out of the way, to the screen's top-left corner.
void MovePointerAway();

// Presses a button: BM_CLICK, posted, so that the caller never waits on a
// modal loop the click may start.
void PressButton(HWND button);

// Presses the OK button of a message box.
void PressOk(HWND box);

// Posts a key press and release to a window (the dialog manager of the
// window's thread sees it in its loop).
void PostKey(HWND window, WPARAM virtualKey);
