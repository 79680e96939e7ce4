#include "app/wide_argument.h"

#include <windows.h>
#include <shellapi.h>

std::wstring WideCommandLineArgument(int index) {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    const std::wstring argument = arguments && index < count ? arguments[index] : L"";
    ::LocalFree(arguments);
    return argument;
}
