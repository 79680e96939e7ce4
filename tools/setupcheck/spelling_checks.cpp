// The characters of a UTF-8 Setup.ini that a language's systems cannot show.
#include "setup_checks.h"

#include "app/ini_encoding.h"
#include "app/language_code_page.h"
#include "app/profile_text.h"

#include <cstdio>

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code point of the sequence at bytes[at] of the given length (0 for no
// valid sequence, which the platform's conversion turns into U+FFFD).
char32_t CodePointAt(const std::string& bytes, std::size_t at, std::size_t length) {
    if (length == 0)
        return kReplacementCharacter;
    const auto lead = static_cast<unsigned char>(bytes[at]);
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        point = point << 6 | (static_cast<unsigned char>(bytes[at + i]) & 0x3F);
    return point;
}

std::string CodePointName(char32_t point) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(point));
    return name;
}

// "U+00E9, U+0151": the characters of the value the code page cannot spell,
// each once, in order; empty when it spells them all.
std::string Unspellable(const Medium& medium, unsigned codePage, const std::string& value) {
    std::u32string seen;
    std::string names;
    for (std::size_t at = 0; at < value.size();) {
        const std::size_t length = Utf8SequenceLength(value, at);
        const char32_t point = CodePointAt(value, at, length);
        at += length == 0 ? 1 : length;
        if (point < 0x80 || seen.find(point) != std::u32string::npos ||
            medium.CodePageSpells(codePage, point))
            continue;
        seen += point;
        names += (names.empty() ? "" : ", ") + CodePointName(point);
    }
    return names;
}

} // namespace

void CheckSpelling(CheckContext& context, const std::string& setupIniBytes) {
    const IniEncoding encoding = DetectIniEncoding(setupIniBytes);
    if (!IsUtf8(encoding))
        return;
    const std::string text = encoding == IniEncoding::kUtf8WithMark
                                 ? setupIniBytes.substr(kUtf8MarkBytes)
                                 : setupIniBytes;
    for (const CheckLanguage& language : context.languages) {
        const std::optional<unsigned> codePage = AnsiCodePageOf(language.tokens.language);
        const IniSectionLines* section = context.index.FindSection(language.section);
        if (!codePage || !section)
            continue;
        for (const IniKeyLine& key : section->keys) {
            const auto value = FindProfileValue(text, language.section.c_str(), key.name.c_str());
            const std::string names =
                value ? Unspellable(context.medium, *codePage, std::string(*value)) : "";
            if (!names.empty())
                context.Report(Severity::kWarning, key.line,
                               "\"" + key.name + "\" of [" + language.section + "] holds " + names +
                                   ", which " + language.tokens.installLang +
                                   " systems (code page " + std::to_string(*codePage) +
                                   ") cannot spell: the launcher shows \"?\" there");
        }
    }
}
