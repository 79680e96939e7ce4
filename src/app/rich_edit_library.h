// The rich edit control that the licence dialog's template names ("RichEdit20A").
#pragma once

// Loads the system's own rich edit library (from the system folder only), so
// that the class "RichEdit20A" is registered. Called when a licence dialog is
// about to open: the library and the ones it pulls in would otherwise delay
// the first form, which never needs them.
void LoadRichEditLibrary();
