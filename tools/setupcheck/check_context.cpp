#include "check_context.h"

#include "app/language.h"
#include "app/setup_ini.h"
#include "app/text_escape.h"

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool HoldsTextKeys(const IniSectionLines& section) {
    for (const IniKeyLine& key : section.keys)
        if (key.name.size() > 4 && SameIniName(key.name.substr(0, 4), "IDS_"))
            return true;
    return false;
}

CheckLanguage LanguageOfSection(const std::string& name) {
    const LeadByteTable singleByte; // two ASCII letters: no double-byte character
    // The launcher holds the code in capitals and looks its section up
    // without regard to case.
    const RunLanguage run =
        ResolveLanguage(UpperCaseMultibyte(name, singleByte), std::nullopt, singleByte);
    return {name, run};
}

std::vector<CheckLanguage> FallbackLanguages() {
    return {LanguageOfSection(kFallbackLanguage)};
}

} // namespace

std::vector<CheckLanguage> FindLanguages(const IniLineIndex& index) {
    std::vector<CheckLanguage> languages;
    for (const IniSectionLines& section : index.Sections()) {
        const std::string& name = section.name;
        if (name.size() == 2 && IsAsciiLetter(name[0]) && IsAsciiLetter(name[1]) &&
            HoldsTextKeys(section))
            languages.push_back(LanguageOfSection(name));
    }
    return languages;
}

std::string ListSections(const std::vector<std::string>& sections) {
    std::string list;
    for (const std::string& section : sections)
        list += (list.empty() ? "[" : ", [") + section + ']';
    return list;
}

CheckContext::CheckContext(const Medium& medium, IniLineIndex index)
    : medium(medium), index(std::move(index)), languages(FindLanguages(this->index)),
      runLanguages(languages.empty() ? FallbackLanguages() : languages) {}

void CheckContext::Report(Severity severity, int line, const std::string& message) {
    findings.push_back({severity, line, message});
}

std::string CheckContext::Read(const std::string& section, const std::string& key) const {
    return medium.Value(section, key).value_or(std::string()).substr(0, kMaxIniValueBytes);
}

std::string CheckContext::ReadText(const std::string& section, const std::string& key) const {
    return ExpandLineBreaks(Read(section, key), medium.LeadBytes());
}

std::string CheckContext::LanguagesLacking(const std::string& key) const {
    std::vector<std::string> lacking;
    for (const CheckLanguage& language : languages)
        if (!medium.Value(language.section, key))
            lacking.push_back(language.section);
    return ListSections(lacking);
}

void CheckContext::RequireTextKey(const std::string& key, int line, const std::string& what) {
    if (!m_requiredKeys.insert(key).second)
        return;
    const std::string lacking = LanguagesLacking(key);
    if (!lacking.empty())
        Report(Severity::kWarning, line,
               what + " key \"" + key + "\" missing in " + lacking + ": the text is empty there");
}
