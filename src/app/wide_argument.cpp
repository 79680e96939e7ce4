#include "app/wide_argument.h"

#include "app/command_line.h"
#include "framework/shell_functions.h"

std::wstring WideCommandLineArgument(int index) {
    const LPCWSTR commandLine = ::GetCommandLineW();
    if (index > 0 && !HasArguments(commandLine))
        return std::wstring();
    int count = 0;
    LPWSTR* arguments = shell::CommandLineToArgv(commandLine, &count);
    const std::wstring argument = arguments && index < count ? arguments[index] : L"";
    ::LocalFree(arguments);
    return argument;
}
