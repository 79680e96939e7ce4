// The program's command-line arguments in wide text, as the platform splits
// them: a name the code page cannot spell arrives whole.
#pragma once

#include <windows.h>

class CommandLineArguments {
public:
    // Most starts have no arguments: the shell is then not loaded to split the line.
    CommandLineArguments();
    CommandLineArguments(const CommandLineArguments&) = delete;
    CommandLineArguments& operator=(const CommandLineArguments&) = delete;
    ~CommandLineArguments() { ::LocalFree(m_arguments); }

    // The argument at the index (1 for the first); empty when missing.
    const wchar_t* operator[](int index) const {
        return m_arguments && index > 0 && index < m_count ? m_arguments[index] : L"";
    }

private:
    wchar_t** m_arguments = nullptr; // freed with LocalFree
    int m_count = 0;
};
