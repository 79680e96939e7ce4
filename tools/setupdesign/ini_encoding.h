// How a Setup.ini's texts are encoded, told from its bytes alone.
#pragma once

#include <string>

// How the file's texts are encoded; told once, when the file is read.
enum class IniEncoding {
    kAnsi,          // 8-bit text in legacy code pages (each section's own)
    kUtf8,          // valid UTF-8 holding bytes of 0x80 and above, no mark
    kUtf8WithMark,  // starts with EF BB BF
    kUtf16WithMark, // starts with FF FE (little-endian)
};

// The mark first; else UTF-8 when the bytes are valid UTF-8 and not plain
// ASCII (text in a legacy code page is almost never valid UTF-8); else ANSI.
IniEncoding DetectIniEncoding(const std::string& bytes);
