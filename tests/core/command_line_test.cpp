#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

// A blank inside quotes belongs to the name; the shell starts the next argument
// right after a closing quote.
TEST(HasArguments, FindsAnythingButBlanksAfterTheProgramName) {
    const struct {
        const wchar_t* line;
        bool expected;
    } cases[] = {{L"launcher.exe  \t ", false},
                 {L"\"C:\\Setup Disc\\launcher.exe\" ", false},
                 {L"\"C:\\Setup Disc\\launcher.exe", false},
                 {L"", false},
                 {nullptr, false},
                 {L"launcher.exe\tde", true},
                 {L"\"C:\\Setup Disc\\launcher.exe\" de", true},
                 {L"\"launcher.exe\"de", true}};
    for (const auto& c : cases)
        EXPECT_EQ(HasArguments(c.line), c.expected) << (c.line ? c.line : L"(null)");
}

} // namespace
