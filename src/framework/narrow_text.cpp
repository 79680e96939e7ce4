#include "framework/narrow_text.h"

std::string NarrowText(std::wstring_view text, UINT codePage, Spelling spelling) {
    // UTF-8 spells every character, and takes neither the flag, the default
    // character nor the report; only a lone surrogate has no spelling there.
    const bool utf8 = codePage == CP_UTF8 || (codePage == CP_ACP && ::GetACP() == CP_UTF8);
    const bool exact = spelling == Spelling::Exact;
    const DWORD flags = utf8 ? (exact ? WC_ERR_INVALID_CHARS : 0)
                             : (spelling == Spelling::Approximate ? 0 : WC_NO_BEST_FIT_CHARS);
    const char* const mark = !utf8 && spelling == Spelling::Marked ? "?" : nullptr;
    BOOL lost = FALSE;
    BOOL* const report = exact && !utf8 ? &lost : nullptr;
    const int units = static_cast<int>(text.size());
    const int bytes =
        ::WideCharToMultiByte(codePage, flags, text.data(), units, nullptr, 0, mark, report);
    if (bytes <= 0 || lost)
        return std::string();
    std::string narrow(static_cast<size_t>(bytes), '\0');
    if (::WideCharToMultiByte(codePage, flags, text.data(), units, narrow.data(), bytes, mark,
                              report) != bytes ||
        lost)
        return std::string();
    return narrow;
}
