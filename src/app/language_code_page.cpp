#include "app/language_code_page.h"

#include "app/language_codes.h"

std::optional<unsigned> AnsiCodePageOf(const std::string& language) {
    for (const LanguageRow& row : kLanguageCodes)
        if (language == row.code)
            return row.codePage;
    return std::nullopt;
}
