#include "dialogs/password_rules.h"

#include <gtest/gtest.h>

namespace {

struct PasswordCase {
    const char* password;
    const char* confirmation;
    bool valid;
};

TEST(PasswordRules, SixBytesWithACapitalAndADigitConfirmedExactly) {
    const PasswordCase cases[] = {
        {"Abcd1", "Abcd1", false},  // 5 bytes
        {"Abcd12", "Abcd12", true}, // 6 bytes
        {"abcd1234", "abcd1234", false},
        {"ABCDEFGH", "ABCDEFGH", false},
        // Accented capitals and other high bytes never count as capitals.
        {"\xC4\xC9\xD6"
         "abc1",
         "\xC4\xC9\xD6"
         "abc1",
         false},
        {"\xC4\xC9\xD6"
         "aBc1",
         "\xC4\xC9\xD6"
         "aBc1",
         true},
        {"Abcd12", "abcd12", false}, // case counts in the confirmation
        {"Abcd12", "Abcd12 ", false},
        {"A 1 \"x\"", "A 1 \"x\"", true}, // spaces and quotes are ordinary bytes
        {"", "", false},
    };
    for (const PasswordCase& c : cases)
        EXPECT_EQ(IsValidPassword(c.password, c.confirmation), c.valid)
            << c.password << " / " << c.confirmation;
}

} // namespace
