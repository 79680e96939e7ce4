// The language codes of the launcher's table, their locale identifiers and the
// ANSI code page in which the systems of each language spell text.
#pragma once

#include <optional>
#include <string>

struct LanguageRow {
    const char* code;
    const char* langId;
    unsigned codePage;
};

// Order matters only for documentation: the codes are distinct.
inline constexpr LanguageRow kLanguageCodes[] = {
    {"EN", "1033", 1252}, {"FR", "1036", 1252}, {"DE", "1031", 1252},
    {"ES", "1034", 1252}, {"IT", "1040", 1252}, {"JA", "1041", 932},
};

// The locale identifier of a code of the table, spelt exactly as the table
// spells it (e.g. "JA"); none for any other code. In a file of its own, so that
// a program that never asks links none of it.
std::optional<std::string> LanguageIdOf(const std::string& language);
