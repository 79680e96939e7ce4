#include "app/ansi_from_utf8.h"

#include <windows.h>

#include <vector>

namespace {

constexpr wchar_t kByteOrderMark = 0xFEFF;

} // namespace

std::string AnsiFromUtf8(const std::string& utf8) {
    // UTF-16 takes at most one unit for each byte; a code page at most three
    // bytes for each unit (UTF-8, the code page of some systems, which takes
    // neither flags nor a default character).
    const int length = static_cast<int>(utf8.size());
    std::vector<wchar_t> wide(utf8.size() + 1);
    const int units = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), length);
    const int marked = units > 0 && wide[0] == kByteOrderMark;
    const bool utf8System = ::GetACP() == CP_UTF8;
    std::string ansi(3 * static_cast<size_t>(units), '\0');
    ansi.resize(static_cast<size_t>(::WideCharToMultiByte(
        CP_ACP, utf8System ? 0 : WC_NO_BEST_FIT_CHARS, wide.data() + marked, units - marked,
        ansi.data(), 3 * units, utf8System ? nullptr : "?", nullptr)));
    return ansi;
}
