#include "ini_line_index.h"

#include "app/ascii_case.h"

namespace {

// Blanks the profile functions strip around names and values (0x1A is the old
// end-of-file mark).
bool IsIniBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string Trimmed(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsIniBlank(text[begin]))
        ++begin;
    while (end > begin && IsIniBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// "[name]" gives the name between the first bracket and the last closing one;
// a line without a closing bracket is no section header.
std::optional<std::string> SectionHeader(const std::string& line) {
    if (line.empty() || line[0] != '[')
        return std::nullopt;
    const size_t close = line.rfind(']');
    if (close == std::string::npos)
        return std::nullopt;
    return Trimmed(line.substr(1, close - 1));
}

// The key of a line: what stands before the first "=", or the whole line.
// Comment lines are kept as keys by the profile functions too, but a key
// starting with ";" is never asked for, so they are left out.
std::optional<std::string> KeyName(const std::string& line) {
    if (line.empty() || line[0] == ';')
        return std::nullopt;
    return Trimmed(line.substr(0, line.find('=')));
}

} // namespace

bool SameIniName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

IniLineIndex::IniLineIndex(const std::string& text) {
    IniSectionLines* current = nullptr; // null before the first section, or in a repeated one
    int lineNumber = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        ++lineNumber;
        const std::string line = Trimmed(text.substr(start, end - start));
        start = end + 1;

        if (const auto section = SectionHeader(line)) {
            if (FindSection(*section)) {
                current = nullptr; // the first section of a name hides the later ones
                continue;
            }
            m_sections.push_back({*section, lineNumber, {}});
            current = &m_sections.back();
            continue;
        }
        const auto key = KeyName(line);
        if (!current || !key || key->empty())
            continue;
        bool known = false;
        for (const IniKeyLine& existing : current->keys)
            known = known || SameIniName(existing.name, *key);
        if (!known)
            current->keys.push_back({*key, lineNumber});
    }
}

const IniSectionLines* IniLineIndex::FindSection(const std::string& section) const {
    for (const IniSectionLines& candidate : m_sections)
        if (SameIniName(candidate.name, Trimmed(section)))
            return &candidate;
    return nullptr;
}

std::optional<int> IniLineIndex::SectionLine(const std::string& section) const {
    if (const IniSectionLines* found = FindSection(section))
        return found->line;
    return std::nullopt;
}

std::optional<int> IniLineIndex::KeyLine(const std::string& section, const std::string& key) const {
    if (const IniSectionLines* found = FindSection(section))
        for (const IniKeyLine& candidate : found->keys)
            if (SameIniName(candidate.name, Trimmed(key)))
                return candidate.line;
    return std::nullopt;
}

int IniLineIndex::LineOf(const std::string& section, const std::string& key) const {
    if (const auto line = KeyLine(section, key))
        return *line;
    return LineOf(section);
}

int IniLineIndex::LineOf(const std::string& section) const {
    return SectionLine(section).value_or(0);
}
