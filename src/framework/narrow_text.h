// Wide text, as the platform answers it, in the 8-bit text the program keeps.
#pragma once

#include <windows.h>

#include <string>

enum class Spelling {
    Approximate, // what the code page cannot spell becomes a look-alike or its default character
    Exact,       // nothing unless every character is spelt as it is
};

// The text in the code page (the ANSI one unless given); empty for empty text,
// text that cannot be converted, and, when spelt exactly, text with a character
// the code page cannot spell (a look-alike would name another file).
std::string NarrowText(const wchar_t* text, UINT codePage = CP_ACP,
                       Spelling spelling = Spelling::Approximate);
