#include "text_codec.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

struct CodecCase {
    const char* name;
    IniEncoding encoding;
    const char* section;
    const wchar_t* typed;
    const char* written; // the document text; what is left when a character is refused
    const wchar_t* refused;
    unsigned codePage;
};

void PrintTo(const CodecCase& c, std::ostream* os) {
    *os << c.name;
}

class TextCodecTest : public testing::TestWithParam<CodecCase> {};

// Bytes from the published code page tables.
TEST_P(TextCodecTest, WritesEachSectionInItsEncodingAndRefusesWhatItCannotSpell) {
    const CodecCase& c = GetParam();
    const unsigned codePage = SectionCodePage(c.encoding, c.section);
    EXPECT_EQ(codePage, c.codePage);
    const EncodedText encoded = EncodeText(c.typed, codePage);
    EXPECT_EQ(encoded.text, c.written);
    EXPECT_EQ(encoded.refused, c.refused);
    if (encoded.refused.empty()) {
        EXPECT_EQ(DecodeText(encoded.text, codePage), c.typed); // and read back unchanged
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextCodecTest,
    testing::Values(
        CodecCase{"French", IniEncoding::kCodePage, "FR", L"D\u00E9faut \u0153uvre",
                  "D\xE9"
                  "faut \x9Cuvre",
                  L"", 1252},
        CodecCase{"German", IniEncoding::kCodePage, "de", L"Gr\u00F6\u00DFe",
                  "Gr\xF6\xDF"
                  "e",
                  L"", 1252},
        CodecCase{"Japanese", IniEncoding::kCodePage, "ja", L"\u30A4\u30F3\u30B9\u30C8\u30FC\u30EB",
                  "\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B", L"", 932},
        // Refused rather than written as another character.
        CodecCase{"KanaInFrench", IniEncoding::kCodePage, "FR", L"a\u30A2b", "ab", L"\u30A2", 1252},
        CodecCase{"NoBestFit", IniEncoding::kCodePage, "IT", L"\u0101", "", L"\u0101", 1252},
        CodecCase{"AccentInJapanese", IniEncoding::kCodePage, "JA", L"caf\u00E9", "caf", L"\u00E9",
                  932},
        CodecCase{"PairInFrench", IniEncoding::kCodePage, "FR", L"x\U0001F600", "x", L"\U0001F600",
                  1252},
        // The UTF kinds hold every character, as UTF-8 document text.
        CodecCase{"Utf8", IniEncoding::kUtf8, "FR", L"\u65E5\u672C\u8A9E",
                  "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", L"", CP_UTF8},
        CodecCase{"Utf16", IniEncoding::kUtf16WithMark, "JA", L"\u00E9\U0001F600",
                  "\xC3\xA9\xF0\x9F\x98\x80", L"", CP_UTF8}));

TEST(TextCodecTest, OtherSectionsUseTheSystemsCodePage) {
    EXPECT_EQ(SectionCodePage(IniEncoding::kCodePage, "main.button1"), GetACP());
    EXPECT_EQ(SectionCodePage(IniEncoding::kCodePage, "PT"), GetACP());
}

TEST(TextCodecTest, TheRefusalNamesTheCharacterAndItsCodePoint) {
    const std::wstring message = RefusalMessage(EncodeText(L"a\u30A2", 1252), "FR", 1252);
    EXPECT_NE(message.find(L"\u30A2"), std::wstring::npos);
    EXPECT_NE(message.find(L"U+30A2"), std::wstring::npos);
    EXPECT_NE(message.find(L"[FR]"), std::wstring::npos);
}

} // namespace
