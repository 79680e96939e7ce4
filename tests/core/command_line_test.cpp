#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(HasArguments, FindsAnythingButBlanksAfterTheProgramName) {
    const struct {
        const wchar_t* line;
        bool expected;
    } cases[] = {
        {L"launcher.exe", false},
        {L"launcher.exe  \t ", false},
        {L"\"C:\\Setup Disc\\launcher.exe\"", false},
        {L"\"C:\\Setup Disc\\launcher.exe\"   ", false},
        {L"launcher.exe de", true},
        {L"launcher.exe\tde", true},
        {L"\"C:\\Setup Disc\\launcher.exe\" de", true},
        // A space inside the quotes is part of the name, not a separator.
        {L"\"C:\\Setup Disc\\launcher.exe", false},
        // The shell starts the next argument right after the closing quote.
        {L"\"launcher.exe\"de", true},
        {L"", false},
        {nullptr, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HasArguments(c.line), c.expected) << (c.line ? c.line : L"(null)");
}

} // namespace
