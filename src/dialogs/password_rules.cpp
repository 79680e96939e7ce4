#include "dialogs/password_rules.h"

namespace {

// The classification is by byte in the C locale on purpose: a byte of a
// double-byte character, or an accented capital, is neither A-Z nor 0-9.
bool IsAsciiUpper(char byte) {
    return byte >= 'A' && byte <= 'Z';
}

bool IsAsciiDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

} // namespace

bool HasUppercase(const std::string& password) {
    for (char byte : password)
        if (IsAsciiUpper(byte))
            return true;
    return false;
}

bool HasDigit(const std::string& password) {
    for (char byte : password)
        if (IsAsciiDigit(byte))
            return true;
    return false;
}

bool IsValidPassword(const std::string& password, const std::string& confirmation) {
    return password.size() >= kMinPasswordBytes && HasUppercase(password) && HasDigit(password) &&
           confirmation == password;
}

void WipeSecret(std::string& text) {
    WipeBytes(text.data(), text.size());
    text.clear();
}

void WipeBytes(char* bytes, std::size_t count) {
    // Volatile, so the compiler cannot drop stores to memory that is freed next.
    volatile char* target = bytes;
    for (std::size_t i = 0; i < count; ++i)
        target[i] = '\0';
}
