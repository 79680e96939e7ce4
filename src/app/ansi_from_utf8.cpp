#include "app/ansi_from_utf8.h"

#include "app/ini_encoding.h"

#include <windows.h>

std::string AnsiFromUtf8(const std::string& utf8) {
    const std::size_t mark = utf8.compare(0, kUtf8MarkBytes, kUtf8Mark) == 0 ? kUtf8MarkBytes : 0;
    const int length = static_cast<int>(utf8.size() - mark);
    // UTF-16 takes at most one unit for each byte; a code page at most three
    // bytes for each unit (UTF-8, the code page of some systems, which takes
    // neither flags nor a default character). The units live in a string's
    // bytes, which only the platform reads and writes.
    std::string units(2 * utf8.size() + 2, '\0');
    const auto wide = reinterpret_cast<wchar_t*>(units.data());
    const int count = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data() + mark, length, wide, length);
    const bool utf8System = ::GetACP() == CP_UTF8;
    std::string ansi(3 * static_cast<size_t>(count), '\0');
    ansi.resize(static_cast<size_t>(
        ::WideCharToMultiByte(CP_ACP, utf8System ? 0 : WC_NO_BEST_FIT_CHARS, wide, count,
                              ansi.data(), 3 * count, utf8System ? nullptr : "?", nullptr)));
    return ansi;
}
