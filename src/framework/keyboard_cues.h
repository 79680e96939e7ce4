// The platform's keyboard-cue convention for the framework's dialogs: focus
// cues stay hidden while the user works with the mouse and show once the
// keyboard moves the focus or Alt is pressed; the system settings that always
// show them (keyboard cues, high contrast) win. A dialog keeps its own state
// and answers WM_QUERYUISTATE, so it holds also where the platform's default
// processing keeps none.
#pragma once

#include <windows.h>

// A dialog's state at its creation (UISF_* flags): shown when the system always
// shows cues or the last input of the running modal loops was a key, as when
// a form is opened from another by the keyboard.
WORD InitialUiState();
// The state after a WM_CHANGEUISTATE request (UIS_SET, UIS_CLEAR, UIS_INITIALIZE).
WORD ChangedUiState(WORD state, WPARAM request);
// Called by the modal loops for every message before it is dispatched: notes
// whether the user last used keys or the mouse, and shows the cues of the
// dialog when a key moves the focus or Alt is pressed.
void NoteInput(const MSG& msg);
// Called when the outermost modal loop ends: a later one starts afresh.
void ForgetLastInput();

// Whether the control, when it has the focus, shows the focus cue.
bool FocusCueShown(HWND control);
// Whether the system runs a high-contrast scheme.
bool HighContrastOn();
// For tests where the platform cannot switch the scheme: -1 asks the system
// again, 0 and 1 answer off and on.
void OverrideHighContrast(int state);
