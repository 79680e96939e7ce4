#include "app/language.h"

#include "app/ascii_case.h"

namespace {

struct LanguageRow {
    const char* code;
    const char* langId;
};

// Order matters only for documentation: the codes are distinct.
constexpr LanguageRow kLanguageCodes[] = {
    {"EN", "1033"}, {"FR", "1036"}, {"DE", "1031"}, {"ES", "1034"}, {"IT", "1040"}, {"JA", "1041"},
};

struct NameRow {
    const char* langId;
    const char* name;
};

constexpr NameRow kLanguageNames[] = {
    {"1036", "French"},  {"1033", "English"}, {"1031", "German"},
    {"1034", "Spanish"}, {"1040", "Italian"}, {"1041", "Japanese"},
};

} // namespace

std::optional<std::string> LanguageIdOf(const std::string& language) {
    for (const LanguageRow& row : kLanguageCodes)
        if (language == row.code)
            return std::string(row.langId);
    return std::nullopt;
}

std::string LanguageFromArgument(const std::string& argument) {
    return argument.size() == 2 ? argument : std::string();
}

std::string UpperCaseMultibyte(const std::string& text, const LeadByteTable& leadBytes) {
    std::string result = text;
    for (size_t i = 0; i < result.size();) {
        const size_t length = leadBytes.CharLength(result, i);
        if (length == 1)
            result[i] = UpperAscii(result[i]);
        i += length;
    }
    return result;
}

RunLanguage ResolveLanguage(const std::string& language,
                            const std::optional<std::string>& systemIsoName,
                            const LeadByteTable& leadBytes) {
    RunLanguage run;
    run.language = language;
    if (run.language.size() != 2)
        run.language = systemIsoName ? UpperCaseMultibyte(*systemIsoName, leadBytes)
                                     : std::string(kFallbackLanguage);

    run.langId = LanguageIdOf(run.language).value_or("1033");

    for (const NameRow& row : kLanguageNames)
        if (run.langId == row.langId)
            run.installLang = row.name;
    return run;
}
