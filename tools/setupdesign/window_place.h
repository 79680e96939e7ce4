// The main window's place and size, remembered for the current user only:
// the one thing the designer keeps outside the medium's folder.
#pragma once

#include <windows.h>

// Puts the window where it was last closed; false when nothing was kept (or
// the place lies on no display any more).
bool RestoreWindowPlace(HWND window, int showCommand);
void RememberWindowPlace(HWND window);
