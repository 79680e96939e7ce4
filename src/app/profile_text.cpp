#include "app/profile_text.h"

#include "app/ascii_case.h"

#include <cstdlib>

// The string's own searches do the scanning: this is linked into the launcher,
// and each costs it a call.

namespace {

// Blanks the profile functions strip around names and values (0x1A is the old
// end-of-file mark). None is a line feed or a character of the syntax, so a scan
// for the first other character stops inside the line that holds one.
constexpr char kBlanks[] = " \t\r\v\f\x1a";

// The text's [begin, end) without blanks at either end.
std::string_view Trimmed(const std::string& text, std::size_t begin, std::size_t end) {
    begin = text.find_first_not_of(kBlanks, begin);
    if (begin >= end)
        return std::string_view();
    end = text.find_last_not_of(kBlanks, end - 1) + 1;
    return std::string_view(text.data() + begin, end - begin);
}

// A name written in the file may hold zero bytes; the one asked for ends at its first.
bool SameName(std::string_view written, const char* name) {
    for (const char c : written) {
        if (*name == '\0' || LowerAscii(c) != LowerAscii(*name))
            return false;
        ++name;
    }
    return *name == '\0';
}

} // namespace

std::optional<std::string_view> FindProfileValue(const std::string& text, const char* section,
                                                 const char* key) {
    bool inSection = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::size_t begin = text.find_first_not_of(kBlanks, start);
        start = end + 1;
        if (begin >= end)
            continue;
        // A section's name stands between "[" and the last "]", a key's before
        // the first "=".
        const std::size_t close = text.rfind(']', end - 1);
        if (text[begin] == '[' && close != std::string::npos && close > begin) {
            // Only the first section of the name is read.
            if (inSection)
                return std::nullopt;
            inSection = SameName(Trimmed(text, begin + 1, close), section);
            continue;
        }
        const std::size_t equals = std::min(text.find('=', begin), end);
        if (!inSection || !SameName(Trimmed(text, begin, equals), key))
            continue;
        std::string_view value = Trimmed(text, equals + 1, end);
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = std::string_view(value.data() + 1, value.size() - 2);
        return value;
    }
    return std::nullopt;
}

int ProfileInteger(const std::string& value, int defaultValue) {
    if (value.empty())
        return defaultValue;
    const char* digits = value.c_str() + (value[0] == '-' || value[0] == '+');
    const bool hexadecimal = digits[0] == '0' && LowerAscii(digits[1]) == 'x';
    // Beyond the range it gives the largest value, where the profile functions wrap.
    return static_cast<int>(std::strtoul(value.c_str(), nullptr, hexadecimal ? 16 : 10));
}
