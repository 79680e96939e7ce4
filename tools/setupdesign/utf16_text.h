// A UTF-16 file's text as UTF-8 and back, losslessly: surrogate pairs become
// four-byte sequences, and an unpaired surrogate the three bytes UTF-8 would
// give it (as the generalised form of UTF-8 does), so that every sequence of
// code units, well formed or not, comes back exactly.
#pragma once

#include <string>

// Little-endian code units; an odd last byte is the caller's to keep.
std::string Utf16LeToUtf8(const std::string& bytes);
// Back to little-endian code units; a byte that starts no character becomes
// U+FFFD.
std::string Utf8ToUtf16Le(const std::string& text);
