#include "language_sections.h"

#include "app/ascii_case.h"
#include "app/language_codes.h"
#include "check_context.h"
#include "ini_line_index.h"
#include "text_encoding.h"

#include <cstdio>

std::vector<std::string> LanguageSections(const IniDocument& document) {
    const std::string bytes = document.ToBytes();
    const IniLineIndex index(NarrowedForLines(bytes, DetectTextEncoding(bytes)));
    std::vector<std::string> sections;
    for (const CheckLanguage& language : FindLanguages(index))
        for (const std::string& name : document.SectionNames())
            if (SameIniName(name, language.section)) {
                sections.push_back(name);
                break;
            }
    return sections;
}

std::vector<std::string> LanguageKeys(const IniDocument& document) {
    std::vector<std::string> keys;
    for (const std::string& section : LanguageSections(document))
        for (const std::string& key : document.KeyNames(section)) {
            bool known = false;
            for (const std::string& seen : keys)
                known = known || SameIniName(seen, key);
            if (!known)
                keys.push_back(key);
        }
    return keys;
}

std::optional<std::string> SectionLanguageId(const std::string& section) {
    std::string code = section;
    for (char& c : code)
        c = UpperAscii(c);
    return LanguageIdOf(code);
}

std::string CodePointName(char32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}
