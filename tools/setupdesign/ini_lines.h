// The lines of a Setup.ini as the platform's profile functions read them:
// a line ends at a carriage return, a line feed or the pair; blanks around a
// line are dropped; "[name]" starts a section (the name up to the last "]");
// "name=value" is a key; any other line that is not blank is a key without a
// value, named by the whole line: never listed, but found before a later key
// of the same name (whose value it hides).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct IniLine {
    std::string text; // without its end
    std::string end;  // "\r\n", "\n", "\r", or nothing for a last line without one
    bool operator==(const IniLine& other) const { return text == other.text && end == other.end; }
};

// Every byte of the text lands in exactly one line, in order.
std::vector<IniLine> SplitIniLines(const std::string& text);

// Blanks trimmed around lines, names and values: tab to carriage return,
// space, and the old end-of-file mark 0x1A.
bool IsIniBlank(char c);

enum class IniLineKind { kBlank, kSection, kKey, kKeyWithoutValue };

// Where a line's name and value stand in its text, blanks excluded.
struct IniLineParts {
    IniLineKind kind = IniLineKind::kBlank;
    size_t nameBegin = 0, nameEnd = 0;   // a section's between "[" and the last "]"
    size_t valueBegin = 0, valueEnd = 0; // a key's after its first "=" (else its end)
};

IniLineParts ParseIniLine(const std::string& text);

// A name as the profile functions hold it: a zero byte ends it.
std::string IniHeldName(const std::string& text, size_t begin, size_t end);
// A name asked for: trimmed, up to a zero byte.
std::string IniQueryName(const std::string& name);
// A value as read from what the line holds (ParseIniLine's span): up to a
// zero byte, one pair of matching quotes stripped.
std::string IniValue(const std::string& held);
// A value as written so that IniValue reads it back: quoted when its blanks
// or quotes would otherwise be lost; only what one line can hold (up to the
// first line end or zero byte).
std::string IniWrittenValue(const std::string& value);

// As GetPrivateProfileIntA reads a value: its first 29 characters, blanks
// skipped, a sign, then "0x", "0o" or "0b" for base 16, 8 or 2 and the digits
// that follow, wrapping at 32 bits; the default when the value is empty.
int IniInteger(const std::string& held, int defaultValue);
