#include "framework/shell_functions.h"

#include "framework/dll_safety.h"
#include "framework/shell_com.h"

namespace {

// Loaded once and kept: its handlers may still run after the call returns.
HMODULE Shell32() {
    static const HMODULE module = LoadSystemLibrary("shell32.dll");
    return module;
}

template <typename Function> Function Resolve(const char* name) {
    return LibraryFunction<Function>(Shell32(), name);
}

} // namespace

namespace shell {

HINSTANCE Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                  const char* folder, int show) {
    using ExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    static const ExecuteFn execute = Resolve<ExecuteFn>("ShellExecuteA");
    if (!execute)
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    EnsureShellCom();
    return execute(owner, verb, file, parameters, folder, show);
}

BOOL ExecuteEx(SHELLEXECUTEINFOA* info) {
    using ExecuteExFn = BOOL(WINAPI*)(SHELLEXECUTEINFOA*);
    static const ExecuteExFn executeEx = Resolve<ExecuteExFn>("ShellExecuteExA");
    if (!executeEx) {
        ::SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    EnsureShellCom();
    return executeEx(info);
}

LPWSTR* CommandLineToArgv(LPCWSTR commandLine, int* count) {
    using SplitFn = LPWSTR*(WINAPI*)(LPCWSTR, int*);
    static const SplitFn split = Resolve<SplitFn>("CommandLineToArgvW");
    if (!split) {
        *count = 0;
        return nullptr;
    }
    return split(commandLine, count);
}

} // namespace shell
