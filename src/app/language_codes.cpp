#include "app/language_codes.h"

std::optional<std::string> LanguageIdOf(const std::string& language) {
    for (const LanguageRow& row : kLanguageCodes)
        if (language == row.code)
            return std::string(row.langId);
    return std::nullopt;
}
