// Wide text, as the platform answers it, in the 8-bit text the program keeps.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

enum class Spelling {
    Approximate, // what the code page cannot spell becomes a look-alike or its default character
    Marked,      // what the code page cannot spell becomes "?", never a look-alike
    Exact,       // nothing unless every character is spelt as it is
};

// The text in the code page (the ANSI one unless given); empty for empty text,
// text that cannot be converted, and, when spelt exactly, text with a character
// the code page cannot spell (a look-alike would name another file; in UTF-8, a
// lone surrogate).
std::string NarrowText(std::wstring_view text, UINT codePage = CP_ACP,
                       Spelling spelling = Spelling::Approximate);
