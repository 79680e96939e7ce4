#include "framework/narrow_text.h"

std::string NarrowText(const wchar_t* text, UINT codePage, Spelling spelling) {
    // UTF-8 spells everything, and takes neither the flag nor the report.
    const bool utf8 = codePage == CP_UTF8 || (codePage == CP_ACP && ::GetACP() == CP_UTF8);
    const bool exact = spelling == Spelling::Exact && !utf8;
    const DWORD flags = exact ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL lost = FALSE;
    BOOL* const report = exact ? &lost : nullptr;
    const int bytes = ::WideCharToMultiByte(codePage, flags, text, -1, nullptr, 0, nullptr, report);
    if (bytes <= 1 || lost)
        return std::string();
    std::string narrow(static_cast<size_t>(bytes), '\0');
    if (::WideCharToMultiByte(codePage, flags, text, -1, narrow.data(), bytes, nullptr, report) !=
            bytes ||
        lost)
        return std::string();
    narrow.resize(static_cast<size_t>(bytes) - 1);
    return narrow;
}
