#include "app/ansi_from_utf8.h"

#include "app/ini_encoding.h"
#include "framework/narrow_text.h"

#include <windows.h>

#include <vector>

std::string AnsiFromUtf8(const std::string& utf8) {
    const std::size_t mark = utf8.compare(0, kUtf8MarkBytes, kUtf8Mark) == 0 ? kUtf8MarkBytes : 0;
    const int length = static_cast<int>(utf8.size() - mark);
    // UTF-16 takes at most one unit for each byte. (A wide string would link the
    // library's wide string code into the launcher.)
    std::vector<wchar_t> wide(utf8.size() + 1);
    const int units =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data() + mark, length, wide.data(), length);
    return NarrowText(std::wstring_view(wide.data(), static_cast<size_t>(units > 0 ? units : 0)),
                      CP_ACP, Spelling::Marked);
}
