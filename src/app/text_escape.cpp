#include "app/text_escape.h"

std::string ExpandLineBreaks(const std::string& text, const LeadByteTable& leadBytes) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t length = leadBytes.CharLength(text, i);
        if (length == 1 && text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            result += '\n';
            i += 2;
        } else {
            result.append(text, i, length);
            i += length;
        }
    }
    return result;
}

std::string WithoutInsertTypes(std::string pattern) {
    // '%', '!' and digits are below 0x40, where no trail byte of a double-byte
    // code page lies: a byte-wise scan never takes part of a character for them.
    const auto isDigit = [&pattern](size_t i) {
        return i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9';
    };
    for (size_t i = 0; (i = pattern.find('%', i)) != std::string::npos;) {
        // An escape's second byte goes with it: "%%1" stays a percent and a 1.
        if (!isDigit(i + 1) || pattern[i + 1] == '0') {
            i += 2;
            continue;
        }
        i += isDigit(i + 2) ? 3 : 2;
        const size_t close =
            i < pattern.size() && pattern[i] == '!' ? pattern.find('!', i + 1) : std::string::npos;
        if (close != std::string::npos)
            pattern.erase(i, close + 1 - i);
    }
    return pattern;
}
