// COM on the user-interface thread, as the shell asks of its callers.
#pragma once

// Initialises COM for the calling thread as a single-threaded apartment without
// OLE1 DDE, which handlers of some file types need. Called by the shell
// functions before every call of the user-interface thread, and before an
// object is handed to assistive technology, which goes through COM; the first call does the work,
// so the first form's start-up neither loads ole32 nor pays for COM. ole32 is loaded at run time
// from the system folder, like every DLL that is not statically imported.
void EnsureShellCom();
