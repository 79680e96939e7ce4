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

std::string WithoutInsertTypes(const std::string& pattern) {
    // '%', '!' and digits are below 0x40, where no trail byte of a double-byte
    // code page lies: a byte-wise scan never takes part of a character for them.
    const auto isDigit = [&pattern](size_t i) {
        return i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9';
    };
    std::string result;
    for (size_t i = 0; i < pattern.size();) {
        if (pattern[i] != '%' || !isDigit(i + 1) || pattern[i + 1] == '0') {
            // An escape's second byte is taken with it, so "%%1" stays a percent and a 1.
            const size_t length = pattern[i] == '%' && i + 1 < pattern.size() ? 2 : 1;
            result.append(pattern, i, length);
            i += length;
            continue;
        }
        const size_t digits = isDigit(i + 2) ? 2 : 1;
        result.append(pattern, i, 1 + digits);
        i += 1 + digits;
        if (i < pattern.size() && pattern[i] == '!') {
            const size_t close = pattern.find('!', i + 1);
            if (close != std::string::npos)
                i = close + 1;
        }
    }
    return result;
}
