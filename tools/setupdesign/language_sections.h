// Which sections of a document hold a language's texts, and which language of
// the launcher's table each one is.
#pragma once

#include "ini_document.h"

#include <optional>
#include <string>
#include <vector>

// The language sections, in file order, as the checker counts them.
std::vector<std::string> LanguageSections(const IniDocument& document);

// The keys of all language sections, each once, in the order first met.
std::vector<std::string> LanguageKeys(const IniDocument& document);

// The locale identifier of the language a section is read for (its name
// matches without regard to case, as the profile reads match it); none when
// the launcher's table does not hold it.
std::optional<std::string> SectionLanguageId(const std::string& section);

// "U+00E9", "U+1F600": a character named by its code point.
std::string CodePointName(char32_t codePoint);
