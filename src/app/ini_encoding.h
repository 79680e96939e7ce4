// How the bytes of Setup.ini are to be read: in the system's code page, as
// every file was read before, or as UTF-8, which most editors write today.
#pragma once

#include <cstddef>
#include <string>

enum class IniEncoding {
    kCodePage,      // 8-bit text in a code page: the system's, or each language's own
    kUtf8,          // valid UTF-8 holding bytes of 0x80 and above, no mark
    kUtf8WithMark,  // starts with EF BB BF
    kUtf16WithMark, // starts with FF FE: the profile functions read it themselves
};

// The two kinds of UTF-8, which the launcher reads itself.
constexpr bool IsUtf8(IniEncoding encoding) {
    return encoding == IniEncoding::kUtf8 || encoding == IniEncoding::kUtf8WithMark;
}

// The UTF-8 byte-order mark.
inline constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
inline constexpr std::size_t kUtf8MarkBytes = sizeof kUtf8Mark - 1;

// The mark first (UTF-8 or UTF-16); else UTF-8 when they hold bytes of 0x80
// and above and all of them form valid UTF-8 sequences; else the code page
// (plain ASCII reads the same either way).
IniEncoding DetectIniEncoding(const std::string& bytes);

// Length of the valid UTF-8 sequence starting at bytes[at] (1 for ASCII);
// 0 when no valid sequence starts there (overlong forms, surrogates and code
// points past U+10FFFF are not valid).
std::size_t Utf8SequenceLength(const std::string& bytes, std::size_t at);
