// Reading the command line without the shell.
#pragma once

// Whether anything but blanks follows the program's name, which the platform
// takes whole up to the next quote when it starts with one, else up to the
// first space or tab. A command line without arguments needs no splitting.
bool HasArguments(const wchar_t* commandLine);
