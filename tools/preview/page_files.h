// Names for the page files, one per form, and the forms' names as labels.
#pragma once

#include <string>
#include <vector>

class PageNames {
public:
    // A file stem for the form, safe in any file system and not taken by an
    // earlier form: ASCII letters, digits, '-', '_' and '.' kept, any other
    // byte made '_', and "-2", "-3", ... added when the stem is taken already
    // (without regard to case, as Windows file names).
    std::string StemFor(const std::string& form);

private:
    std::vector<std::string> m_taken;
};

// Text of the system's ANSI code page in UTF-8, for the contact sheet's labels.
std::string AnsiToUtf8(const std::string& text);
