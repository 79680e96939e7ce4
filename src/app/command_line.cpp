#include "app/command_line.h"

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

} // namespace

bool HasArguments(const wchar_t* commandLine) {
    if (!commandLine)
        return false;
    const wchar_t* next = commandLine;
    if (*next == L'"') {
        ++next;
        while (*next && *next != L'"')
            ++next;
        if (*next)
            ++next;
    } else {
        while (*next && !IsBlank(*next))
            ++next;
    }
    while (IsBlank(*next))
        ++next;
    return *next != L'\0';
}
