// The edits: each changes only the lines it names, and the index follows.
#include "ini_document.h"

#include "ini_line_index.h"

namespace {

bool IsBlankLine(const std::string& text) {
    for (char c : text)
        if (!IsIniBlank(c))
            return false;
    return true;
}

bool IsOneLine(const std::string& name) {
    return name.find_first_of("\r\n") == std::string::npos;
}

} // namespace

bool IniDocument::IsWritableSection(const std::string& section) {
    const std::string name = IniQueryName(section);
    return !name.empty() && IsOneLine(name);
}

bool IniDocument::IsWritableKey(const std::string& key) {
    const std::string name = IniQueryName(key);
    return !name.empty() && IsOneLine(name) && name.find('=') == std::string::npos &&
           name[0] != '[';
}

std::string IniDocument::LineEnd() const {
    for (const IniLine& line : m_lines)
        if (!line.end.empty())
            return line.end;
    return "\r\n";
}

void IniDocument::InsertLines(size_t at, const std::vector<std::string>& texts) {
    const std::string end = LineEnd();
    if (at > 0 && at == m_lines.size() && m_lines.back().end.empty())
        m_lines.back().end = end;
    std::vector<IniLine> lines;
    for (const std::string& text : texts)
        lines.push_back({text, end});
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), lines.begin(), lines.end());
    Reindex();
}

void IniDocument::EraseLines(size_t begin, size_t end) {
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(begin),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(end));
    Reindex();
}

void IniDocument::SetValue(const std::string& section, const std::string& key,
                           const std::string& value) {
    const std::string written = IniWrittenValue(Held(value));
    if (const Key* found = FindKey(section, key)) {
        std::string& text = m_lines[found->line].text;
        const IniLineParts parts = ParseIniLine(text);
        if (text[parts.nameBegin] == '[' && written.find(']') != std::string::npos)
            return; // the line would become a section's header
        if (found->hasValue)
            text.replace(parts.valueBegin, parts.valueEnd - parts.valueBegin, written);
        else
            text.insert(parts.nameEnd, '=' + written); // the line's name, given a value
        Reindex();
        return;
    }
    if (!IsWritableSection(section) || !IsWritableKey(key))
        return;
    const std::string keyLine = Held(IniQueryName(key)) + '=' + written;
    if (const Section* found = FindSection(section)) {
        size_t last = found->begin; // its last non-blank line
        for (size_t index = found->begin; index < found->end; ++index)
            if (!IsBlankLine(m_lines[index].text))
                last = index;
        InsertLines(last + 1, {keyLine});
        return;
    }
    std::vector<std::string> lines;
    if (!m_lines.empty() && !IsBlankLine(m_lines.back().text))
        lines.emplace_back(); // a blank line between sections, as they are usually laid out
    lines.push_back('[' + Held(IniQueryName(section)) + ']');
    lines.push_back(keyLine);
    InsertLines(m_lines.size(), lines);
}

void IniDocument::RemoveKey(const std::string& section, const std::string& key) {
    // Every line of the key in its section: a later one would come to light.
    while (const Key* found = FindKey(section, key))
        EraseLines(found->line, found->line + 1);
}

void IniDocument::RemoveSection(const std::string& section) {
    for (const Section* found = FindSection(section); found && found->hasHeader;
         found = FindSection(section))
        EraseLines(found->begin, found->end);
}

void IniDocument::RenameSection(const std::string& from, const std::string& to) {
    const std::string name = Held(IniQueryName(to));
    const std::string old = Held(IniQueryName(from));
    if (!IsWritableSection(name) || name == old)
        return;
    for (const Section& candidate : m_sections) {
        if (!candidate.hasHeader || !SameIniName(candidate.name, old))
            continue;
        std::string& text = m_lines[candidate.begin].text;
        const IniLineParts parts = ParseIniLine(text);
        text.replace(parts.nameBegin, parts.nameEnd - parts.nameBegin, name);
    }
    Reindex();
}
