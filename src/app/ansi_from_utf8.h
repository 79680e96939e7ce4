// UTF-8 text in the system's ANSI code page, where the launcher's texts live.
#pragma once

#include <string>

// A leading byte-order mark is dropped. Each character the code page cannot
// spell, and each byte that is no valid UTF-8, becomes "?" (no look-alike
// stands in for it).
std::string AnsiFromUtf8(const std::string& utf8);
