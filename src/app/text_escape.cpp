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
