#include "app/command_line_arguments.h"

#include "app/command_line.h"
#include "framework/shell_functions.h"

CommandLineArguments::CommandLineArguments() {
    const LPCWSTR commandLine = ::GetCommandLineW();
    if (HasArguments(commandLine))
        m_arguments = shell::CommandLineToArgv(commandLine, &m_count);
}
