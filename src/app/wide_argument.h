// The command line's arguments in wide text, for the tools that take folders:
// a name the code page cannot spell arrives whole.
#pragma once

#include <string>

// The argument at the index (1 for the first); empty when missing.
std::wstring WideCommandLineArgument(int index);
