// Values of an INI text read by the lexical rules of the platform's profile
// functions, for files those functions would misread (UTF-8 ones): lines end
// at a line feed; blanks (a carriage return among them) around names and values are
// trimmed; "[name]" runs to the last closing bracket; names compare without
// regard to the case of A to Z; the first of two equal sections or keys wins;
// a key line without "=" has an empty value; matching quotes around a value
// are stripped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The value of the key in the section, inside the text; none when either is
// missing. The names asked for are taken as given.
std::optional<std::string_view> FindProfileValue(const std::string& text, const char* section,
                                                 const char* key);

// An integer value as the profile functions read it: the default when empty,
// else an optional sign and decimal digits, or hexadecimal ones after
// "0x", up to the first other character ("42abc" gives 42, "abc" gives 0).
int ProfileInteger(const std::string& value, int defaultValue);
