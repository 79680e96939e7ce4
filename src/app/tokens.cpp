#include "app/tokens.h"

std::string ReplaceToken(const std::string& text, const std::string& token,
                         const std::string& value, const LeadByteTable& leadBytes) {
    if (token.empty())
        return text;
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, token.size(), token) == 0) {
            result += value;
            i += token.size();
            continue;
        }
        const size_t length = leadBytes.CharLength(text, i);
        result.append(text, i, length);
        i += length;
    }
    return result;
}

bool ContainsText(const std::string& text, const std::string& needle,
                  const LeadByteTable& leadBytes) {
    for (size_t i = 0; i < text.size(); i += leadBytes.CharLength(text, i))
        if (text.compare(i, needle.size(), needle) == 0)
            return true;
    return needle.empty();
}
