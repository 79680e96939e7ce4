// The language of a run: code, locale identifier and language name.
#pragma once

#include "app/lead_bytes.h"

#include <optional>
#include <string>

struct RunLanguage {
    std::string language;    // two characters, e.g. "EN"; names the text section
    std::string langId;      // decimal locale identifier, e.g. "1033"
    std::string installLang; // language name, e.g. "English"
};

// The code used when the system cannot tell its language.
inline constexpr const char* kFallbackLanguage = "EN";

// The command-line argument counts only when it is exactly two bytes long.
std::string LanguageFromArgument(const std::string& argument);

// Upper-cases single-byte ASCII letters; double-byte characters stay as they are.
std::string UpperCaseMultibyte(const std::string& text, const LeadByteTable& leadBytes);

// Completes the language from the system's ISO 639 name (none when the query
// failed) when the given code is not two bytes, then looks up identifier and name.
RunLanguage ResolveLanguage(const std::string& language,
                            const std::optional<std::string>& systemIsoName,
                            const LeadByteTable& leadBytes);
