#include "app/language.h"

#include "shift_jis.h"

#include <gtest/gtest.h>

namespace {

struct LanguageCase {
    const char* name;
    const char* argument;
    std::optional<std::string> system;
    const char* language;
    const char* langId;
    const char* installLang;
};

// Test names stay readable in every runner's listing.
void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.name; }

class ResolveLanguageTest : public testing::TestWithParam<LanguageCase> {};

TEST_P(ResolveLanguageTest, FillsCodeIdentifierAndName) {
    const LanguageCase& c = GetParam();
    RunLanguage run = ResolveLanguage(LanguageFromArgument(c.argument), c.system, LeadByteTable());
    EXPECT_EQ(run.language, c.language);
    EXPECT_EQ(run.langId, c.langId);
    EXPECT_EQ(run.installLang, c.installLang);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResolveLanguageTest,
    testing::Values(
        // The system's language when there is no argument, upper-cased.
        LanguageCase{"SystemFrench", "", std::string("fr"), "FR", "1036", "French"},
        LanguageCase{"SystemGerman", "", std::string("de"), "DE", "1031", "German"},
        LanguageCase{"SystemSpanish", "", std::string("es"), "ES", "1034", "Spanish"},
        LanguageCase{"SystemItalian", "", std::string("it"), "IT", "1040", "Italian"},
        LanguageCase{"SystemEnglish", "", std::string("en"), "EN", "1033", "English"},
        // A language outside the table keeps its code and reads as English.
        LanguageCase{"SystemDutch", "", std::string("nl"), "NL", "1033", "English"},
        // The argument wins over the system, unchanged in case.
        LanguageCase{"ArgumentDE", "DE", std::string("fr"), "DE", "1031", "German"},
        LanguageCase{"ArgumentLowerCaseDe", "de", std::string("fr"), "de", "1033", "English"},
        LanguageCase{"ArgumentJA", "JA", std::string("en"), "JA", "1041", "Japanese"},
        // Arguments of another length than two bytes are ignored.
        LanguageCase{"ThreeBytesIgnored", "ENG", std::string("fr"), "FR", "1036", "French"},
        LanguageCase{"OneByteIgnored", "E", std::string("it"), "IT", "1040", "Italian"},
        LanguageCase{"SpacedArgumentIgnored", "FR DE", std::string("es"), "ES", "1034", "Spanish"},
        // A failed system query gives English.
        LanguageCase{"FailedQuery", "", std::nullopt, "EN", "1033", "English"}),
    [](const testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.name); });

TEST(LanguageArgument, OnlyExactlyTwoBytesCount) {
    EXPECT_EQ(LanguageFromArgument("FR"), "FR");
    EXPECT_EQ(LanguageFromArgument("fr"), "fr");
    EXPECT_EQ(LanguageFromArgument(""), "");
    EXPECT_EQ(LanguageFromArgument("F"), "");
    EXPECT_EQ(LanguageFromArgument("FRA"), "");
    // A double-byte character is two bytes and counts as a code.
    EXPECT_EQ(LanguageFromArgument("\x93\xfa"), "\x93\xfa");
}

TEST(UpperCaseMultibyte, LeavesDoubleByteCharactersWhole) {
    const LeadByteTable sjis = ShiftJisLeadBytes();
    EXPECT_EQ(UpperCaseMultibyte("ja", sjis), "JA");
    // 0x82 0x61 is a full-width letter whose trail byte is the ASCII 'a'.
    EXPECT_EQ(UpperCaseMultibyte("\x82\x61x", sjis), "\x82\x61X");
    // Without lead bytes the same 'a' is a letter of its own.
    EXPECT_EQ(UpperCaseMultibyte("\x82\x61x", LeadByteTable()), "\x82\x41X");
}

} // namespace
