#include "ini_lines.h"

#include <cstdint>

namespace {

// The buffer GetPrivateProfileIntA reads a value into, in characters.
constexpr size_t kIntegerBuffer = 30;

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

void Trim(const std::string& text, size_t& begin, size_t& end) {
    while (begin < end && IsIniBlank(text[begin]))
        ++begin;
    while (end > begin && IsIniBlank(text[end - 1]))
        --end;
}

std::string UpToZero(std::string text) {
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    return text;
}

// What the profile functions copy into a buffer of the given size: one pair of
// matching quotes stripped when the value fits it (and, as the platform does, a
// character too many dropped when it fits it exactly).
std::string CopiedValue(const std::string& value, size_t bufferSize) {
    const bool quoted = value.size() >= 2 && IsQuote(value[0]) && value.back() == value[0];
    const std::string unquoted = quoted ? value.substr(1) : value;
    std::string copied = unquoted.substr(0, bufferSize - 1);
    if (quoted && bufferSize >= unquoted.size())
        copied.pop_back();
    return copied;
}

} // namespace

bool IsIniBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a';
}

std::vector<IniLine> SplitIniLines(const std::string& text) {
    std::vector<IniLine> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t stop = text.find_first_of("\r\n", start);
        if (stop == std::string::npos) {
            lines.push_back({text.substr(start), std::string()});
            break;
        }
        const size_t endLength = text.compare(stop, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back({text.substr(start, stop - start), text.substr(stop, endLength)});
        start = stop + endLength;
    }
    return lines;
}

IniLineParts ParseIniLine(const std::string& text) {
    size_t begin = 0, end = text.size();
    Trim(text, begin, end);
    IniLineParts parts;
    if (begin == end)
        return parts;
    if (text[begin] == '[') {
        size_t close = end - 1;
        while (close > begin && text[close] != ']')
            --close;
        if (close > begin) {
            parts.kind = IniLineKind::kSection;
            parts.nameBegin = begin + 1;
            parts.nameEnd = close;
            Trim(text, parts.nameBegin, parts.nameEnd);
            return parts;
        }
    }
    const size_t equals = text.find('=', begin);
    if (equals == std::string::npos || equals >= end) {
        parts.kind = IniLineKind::kKeyWithoutValue;
        parts.nameBegin = begin;
        parts.nameEnd = parts.valueBegin = parts.valueEnd = end;
        return parts;
    }
    parts.kind = IniLineKind::kKey;
    parts.nameBegin = begin;
    parts.nameEnd = equals;
    Trim(text, parts.nameBegin, parts.nameEnd);
    parts.valueBegin = equals + 1;
    parts.valueEnd = end;
    Trim(text, parts.valueBegin, parts.valueEnd);
    return parts;
}

std::string IniHeldName(const std::string& text, size_t begin, size_t end) {
    return UpToZero(text.substr(begin, end - begin));
}

std::string IniQueryName(const std::string& name) {
    const std::string cut = UpToZero(name);
    size_t begin = 0, end = cut.size();
    Trim(cut, begin, end);
    return cut.substr(begin, end - begin);
}

std::string IniValue(const std::string& held) {
    return CopiedValue(UpToZero(held), std::string::npos);
}

std::string IniWrittenValue(const std::string& value) {
    const std::string line = value.substr(0, value.find_first_of(std::string("\r\n\0", 3)));
    if (line.empty())
        return line;
    const bool blankAround = IsIniBlank(line.front()) || IsIniBlank(line.back());
    const bool quotedAlready = line.size() >= 2 && IsQuote(line[0]) && line.back() == line[0];
    return blankAround || quotedAlready ? '"' + line + '"' : line;
}

int IniInteger(const std::string& held, int defaultValue) {
    const std::string copied = CopiedValue(UpToZero(held), kIntegerBuffer);
    if (copied.empty())
        return defaultValue;
    size_t i = 0;
    const auto at = [&](size_t k) { return k < copied.size() ? copied[k] : '\0'; };
    while (i < copied.size() && static_cast<unsigned char>(copied[i]) <= ' ')
        ++i;
    const bool negative = at(i) == '-';
    if (at(i) == '-' || at(i) == '+')
        ++i;
    unsigned base = 10;
    if (at(i) == '0' && (at(i + 1) == 'x' || at(i + 1) == 'o' || at(i + 1) == 'b')) {
        base = at(i + 1) == 'x' ? 16 : at(i + 1) == 'o' ? 8 : 2;
        i += 2;
    }
    std::uint32_t total = 0;
    for (; i < copied.size(); ++i) {
        const char c = copied[i];
        const unsigned digit = c >= '0' && c <= '9'   ? c - '0'
                               : c >= 'a' && c <= 'z' ? c - 'a' + 10
                               : c >= 'A' && c <= 'Z' ? c - 'A' + 10
                                                      : base;
        if (digit >= base)
            break;
        total = total * base + digit;
    }
    return static_cast<int>(negative ? 0u - total : total);
}
