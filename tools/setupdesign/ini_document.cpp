// Reading, writing and looking up; the edits are in ini_document_edits.cpp.
#include "ini_document.h"

#include "app/ascii_case.h"
#include "ini_line_index.h"
#include "utf16_text.h"

#include <unordered_set>

namespace {

constexpr char kUtf16Mark[] = "\xFF\xFE";

// A key listed by the profile functions: named, and no comment. (Sections
// are listed whenever they are named, ";" or not.)
bool IsListedKey(const std::string& name) {
    return !name.empty() && name[0] != ';';
}

std::string Folded(std::string name) {
    for (char& c : name)
        c = LowerAscii(c);
    return name;
}

// Names in order, the first of names equal but for the case of A to Z; a set
// of folded names keeps a file of 100,000 keys from taking quadratic time.
class NameList {
public:
    void Add(const std::string& name) {
        if (m_seen.insert(Folded(name)).second)
            m_names.push_back(name);
    }
    std::vector<std::string> Names() && { return std::move(m_names); }

private:
    std::vector<std::string> m_names;
    std::unordered_set<std::string> m_seen;
};

} // namespace

IniDocument::IniDocument() {
    Reindex();
}

IniDocument IniDocument::FromBytes(const std::string& bytes) {
    IniDocument document;
    document.m_encoding = DetectIniEncoding(bytes);
    std::string text;
    switch (document.m_encoding) {
    case IniEncoding::kCodePage:
    case IniEncoding::kUtf8:
        text = bytes;
        break;
    case IniEncoding::kUtf8WithMark:
        document.m_mark = kUtf8Mark;
        text = bytes.substr(document.m_mark.size());
        break;
    case IniEncoding::kUtf16WithMark: {
        document.m_mark = kUtf16Mark;
        const size_t units = (bytes.size() - document.m_mark.size()) / 2;
        text = Utf16LeToUtf8(bytes.substr(document.m_mark.size(), units * 2));
        document.m_oddByte = bytes.substr(document.m_mark.size() + units * 2);
        break;
    }
    }
    document.m_lines = SplitIniLines(text);
    document.Reindex();
    return document;
}

std::string IniDocument::Text() const {
    std::string text;
    for (const IniLine& line : m_lines)
        text += line.text + line.end;
    return text;
}

std::string IniDocument::ToBytes() const {
    std::string text = Text();
    if (m_encoding == IniEncoding::kUtf16WithMark)
        text = Utf8ToUtf16Le(text);
    return m_mark + text + m_oddByte;
}

IniEncoding IniDocument::Encoding() const {
    return m_encoding;
}

bool IniDocument::operator==(const IniDocument& other) const {
    return m_encoding == other.m_encoding && m_mark == other.m_mark &&
           m_oddByte == other.m_oddByte && m_lines == other.m_lines;
}

std::string IniDocument::Held(const std::string& text) const {
    return m_encoding == IniEncoding::kUtf16WithMark ? Utf16LeToUtf8(Utf8ToUtf16Le(text)) : text;
}

void IniDocument::Reindex() {
    m_sections.assign(1, Section{std::string(), 0, 0, false, {}});
    for (size_t index = 0; index < m_lines.size(); ++index) {
        const std::string& text = m_lines[index].text;
        const IniLineParts parts = ParseIniLine(text);
        if (parts.kind == IniLineKind::kSection) {
            m_sections.back().end = index;
            m_sections.push_back(
                Section{IniHeldName(text, parts.nameBegin, parts.nameEnd), index, index, true, {}});
        } else if (parts.kind != IniLineKind::kBlank) {
            m_sections.back().keys.push_back({IniHeldName(text, parts.nameBegin, parts.nameEnd),
                                              index, parts.kind == IniLineKind::kKey});
        }
    }
    m_sections.back().end = m_lines.size();
    m_firstSection.clear();
    for (size_t index = 0; index < m_sections.size(); ++index)
        m_firstSection.emplace(Folded(m_sections[index].name), index);
}

const IniDocument::Section* IniDocument::FindSection(const std::string& section,
                                                     bool trimmed) const {
    const std::string name =
        Held(trimmed ? IniQueryName(section) : IniHeldName(section, 0, section.size()));
    const auto found = m_firstSection.find(Folded(name));
    return found == m_firstSection.end() ? nullptr : &m_sections[found->second];
}

const IniDocument::Key* IniDocument::FindKey(const std::string& section,
                                             const std::string& key) const {
    const Section* found = FindSection(section);
    if (!found)
        return nullptr;
    const std::string name = Held(IniQueryName(key));
    for (const Key& candidate : found->keys)
        if (SameIniName(candidate.name, name))
            return &candidate;
    return nullptr;
}

std::vector<std::string> IniDocument::SectionNames() const {
    NameList names;
    for (const Section& section : m_sections)
        if (!section.name.empty())
            names.Add(section.name);
    return std::move(names).Names();
}

bool IniDocument::HasSection(const std::string& section) const {
    const Section* found = FindSection(section);
    return found && !found->name.empty();
}

std::vector<std::string> IniDocument::KeyNames(const std::string& section) const {
    NameList names;
    if (const Section* found = FindSection(section, false))
        for (const Key& key : found->keys)
            if (key.hasValue && IsListedKey(key.name))
                names.Add(key.name);
    return std::move(names).Names();
}

bool IniDocument::HasKey(const std::string& section, const std::string& key) const {
    return FindKey(section, key) != nullptr;
}

std::optional<std::string> IniDocument::Value(const std::string& section,
                                              const std::string& key) const {
    const Key* found = FindKey(section, key);
    if (!found || !found->hasValue)
        return std::nullopt;
    const std::string& text = m_lines[found->line].text;
    const IniLineParts parts = ParseIniLine(text);
    return IniValue(text.substr(parts.valueBegin, parts.valueEnd - parts.valueBegin));
}

int IniDocument::Integer(const std::string& section, const std::string& key,
                         int defaultValue) const {
    const Key* found = FindKey(section, key);
    if (!found || !found->hasValue)
        return defaultValue;
    const std::string& text = m_lines[found->line].text;
    const IniLineParts parts = ParseIniLine(text);
    return IniInteger(text.substr(parts.valueBegin, parts.valueEnd - parts.valueBegin),
                      defaultValue);
}

int IniDocument::LineOf(const std::string& section, const std::string& key) const {
    if (!key.empty()) {
        const Key* found = FindKey(section, key);
        return found ? static_cast<int>(found->line) + 1 : 0;
    }
    const Section* found = FindSection(section);
    return found && found->hasHeader ? static_cast<int>(found->begin) + 1 : 0;
}
