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
    const HMODULE ole32 = LoadSystemLibrary("ole32.dll");
    const auto initialize = ole32 ? reinterpret_cast<CoInitializeExFn>(reinterpret_cast<void*>(
                                        ::GetProcAddress(ole32, "CoInitializeEx")))
                                  : nullptr;
    if (initialize)
        initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}
