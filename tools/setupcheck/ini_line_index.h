// Where each section and key of a Setup.ini stands: the line numbers the
// checker reports, found by the lexical rules of the platform's profile
// functions (names trimmed and compared without regard to the case of A to Z,
// the first of two equal sections or keys wins). Values are not kept: they are
// read by the launcher's own reads, as the launcher reads them.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct IniKeyLine {
    std::string name; // as written, trimmed
    int line;         // counted from 1
};

struct IniSectionLines {
    std::string name; // as written between the brackets, trimmed
    int line;
    std::vector<IniKeyLine> keys; // in file order, first of equal names only
};

class IniLineIndex {
public:
    // Indexes the file's bytes, ANSI text with lines ending in a line feed.
    explicit IniLineIndex(const std::string& text);

    // Sections in file order, first of equal names only.
    const std::vector<IniSectionLines>& Sections() const { return m_sections; }
    const IniSectionLines* FindSection(const std::string& section) const;
    std::optional<int> SectionLine(const std::string& section) const;
    std::optional<int> KeyLine(const std::string& section, const std::string& key) const;
    // The key's line, else its section's, else 0 (no line to point at).
    int LineOf(const std::string& section, const std::string& key) const;
    int LineOf(const std::string& section) const;

private:
    std::vector<IniSectionLines> m_sections;
};

// Equal but for the case of A to Z, as the profile functions compare names.
bool SameIniName(const std::string& a, const std::string& b);
