// The language codes of the launcher's table and their locale identifiers.
#pragma once

#include <optional>
#include <string>

struct LanguageRow {
    const char* code;
    const char* langId;
};

// Order matters only for documentation: the codes are distinct.
inline constexpr LanguageRow kLanguageCodes[] = {
    {"EN", "1033"}, {"FR", "1036"}, {"DE", "1031"}, {"ES", "1034"}, {"IT", "1040"}, {"JA", "1041"},
};

// The locale identifier of a code of the table, spelt exactly as the table
// spells it (e.g. "JA"); none for any other code. In a file of its own, so that
// a program that never asks links none of it.
std::optional<std::string> LanguageIdOf(const std::string& language);
