#include "app/language.h"

#include "app/ascii_case.h"
#include "app/language_codes.h"

namespace {

struct NameRow {
    const char* langId;
    const char* name;
};

constexpr NameRow kLanguageNames[] = {
    {"1036", "French"},  {"1033", "English"}, {"1031", "German"},
    {"1034", "Spanish"}, {"1040", "Italian"}, {"1041", "Japanese"},
};

} // namespace

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

    run.langId = "1033";
    for (const LanguageRow& row : kLanguageCodes)
        if (run.language == row.code)
            run.langId = row.langId;

    for (const NameRow& row : kLanguageNames)
        if (run.langId == row.langId)
            run.installLang = row.name;
    return run;
}
