// Encodings of a text file that the launcher, reading ANSI text in the
// system's code page, would misread.
#pragma once

#include <string>

enum class TextEncoding { kAnsi, kUtf8WithMark, kUtf16 };

// Told by the byte-order mark, or by a zero byte (no ANSI text holds one).
TextEncoding DetectTextEncoding(const std::string& bytes);

// The text as single bytes for finding its lines: the UTF-8 mark dropped,
// UTF-16 code units narrowed (anything beyond ASCII becomes "?").
std::string NarrowedForLines(const std::string& bytes, TextEncoding encoding);

// Why the encoding is a problem, for a finding; empty for ANSI text.
std::string EncodingProblem(TextEncoding encoding);
