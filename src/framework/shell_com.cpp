#include "framework/shell_com.h"

#include "framework/dll_safety.h"

#include <objbase.h>

void EnsureShellCom() {
    // Only the user-interface thread calls the shell, so once per process is
    // once for that thread. COM stays initialised, and ole32 loaded, to the end.
    static bool initialised = false;
    if (initialised)
        return;
    initialised = true;
    using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
    const auto initialize =
        LibraryFunction<CoInitializeExFn>(LoadSystemLibrary("ole32.dll"), "CoInitializeEx");
    if (initialize)
        initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}
