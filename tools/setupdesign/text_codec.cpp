#include "text_codec.h"

#include "app/ascii_case.h"
#include "app/language_code_page.h"
#include "framework/narrow_text.h"
#include "language_sections.h"

#include <windows.h>

namespace {

// The characters of a text one at a time: a surrogate pair stays whole.
std::size_t CharacterLength(const std::wstring& text, std::size_t at) {
    const bool pair = text[at] >= 0xD800 && text[at] <= 0xDBFF && at + 1 < text.size() &&
                      text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
    return pair ? 2 : 1;
}

char32_t CodePointOf(const std::wstring& character) {
    if (character.size() == 2)
        return 0x10000 + ((static_cast<char32_t>(character[0]) - 0xD800) << 10) +
               (static_cast<char32_t>(character[1]) - 0xDC00);
    return character.empty() ? 0 : character[0];
}

// One character in the code page; false when it has no exact spelling.
bool EncodeCharacter(const std::wstring& character, unsigned codePage, std::string& out) {
    const std::string bytes = NarrowText(character, codePage, Spelling::Exact);
    out += bytes;
    return !bytes.empty();
}

} // namespace

unsigned SectionCodePage(IniEncoding encoding, const std::string& section) {
    if (encoding != IniEncoding::kCodePage)
        return CP_UTF8;
    std::string language = section;
    for (char& c : language)
        c = UpperAscii(c);
    return AnsiCodePageOf(language).value_or(::GetACP());
}

std::wstring DecodeText(const std::string& text, unsigned codePage) {
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::wstring DecodeName(const IniDocument& document, const std::string& name) {
    return DecodeText(name, document.Encoding() == IniEncoding::kCodePage ? ::GetACP() : CP_UTF8);
}

EncodedText EncodeText(const std::wstring& text, unsigned codePage) {
    EncodedText encoded;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharacterLength(text, at);
        const std::wstring character = text.substr(at, length);
        if (!EncodeCharacter(character, codePage, encoded.text) && encoded.refusedCount++ == 0) {
            encoded.refused = character;
            encoded.refusedCode = CodePointOf(character);
        }
        at += length;
    }
    return encoded;
}

std::wstring RefusalMessage(const EncodedText& encoded, const std::string& section,
                            unsigned codePage) {
    const std::string name = CodePointName(encoded.refusedCode);
    const std::wstring where = DecodeText(section, codePage);
    return L"\u201C" + encoded.refused + L"\u201D (" + std::wstring(name.begin(), name.end()) +
           L") cannot be written in [" + where + L"]: its code page, " + std::to_wstring(codePage) +
           L", has no such character.";
}
