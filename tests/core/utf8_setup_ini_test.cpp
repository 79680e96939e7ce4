// A Setup.ini saved as UTF-8: told from one in a code page, and read by rules.
#include "app/ini_encoding.h"
#include "app/profile_text.h"

#include <gtest/gtest.h>

namespace {

TEST(IniEncoding, IsUtf8ByItsMarkOrByValidSequencesBeyondAscii) {
    const std::pair<std::string, IniEncoding> cases[] = {
        {"", IniEncoding::kCodePage},
        {"[main]\r\nx=1", IniEncoding::kCodePage},
        {"\xEF\xBB\xBF[main]", IniEncoding::kUtf8WithMark},
        {"\xEF\xBB\xBFx=\xE9", IniEncoding::kUtf8WithMark},
        {"x=Caf\xC3\xA9 \xE2\x82\xAC \xF4\x8F\xBF\xBF", IniEncoding::kUtf8},
        {"x=Caf\xE9", IniEncoding::kCodePage},          // 1252
        {"x=\x93\xFA\x96\x7B", IniEncoding::kCodePage}, // 932
        {"x=\xC3\xA9\ny=\xE9", IniEncoding::kCodePage},
        {"x=\xE2\x82", IniEncoding::kCodePage},
        {"x=\xC0\xAF", IniEncoding::kCodePage}, // overlong
        {"x=\xF0\x80\x80\xAF", IniEncoding::kCodePage},
        {"x=\xED\xA0\x80", IniEncoding::kCodePage},     // surrogate
        {"x=\xF4\x90\x80\x80", IniEncoding::kCodePage}, // past U+10FFFF
    };
    for (const auto& [bytes, encoding] : cases)
        EXPECT_EQ(DetectIniEncoding(bytes), encoding) << testing::PrintToString(bytes);
}

TEST(ProfileText, FindsValuesAsTheProfileFunctionsDo) {
    const std::string ini = "orphan=1\r\n[main]\r\n  image = a b \r\nq=\"  Go  \"\r\nh=\"open\r\n"
                            "none\r\n[ Main.B1 ]\r\nlabel=x=y\r\nLABEL=2\r\n[broken\r\nk=in B1\r\n"
                            "[main]\r\nlate=1";
    const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
        {"MAIN", "IMAGE", "a b"},       {"main", "q", "  Go  "},          {"main", "h", "\"open"},
        {"main", "none", ""},           {"main.b1", "label", "x=y"},      {"main.b1", "k", "in B1"},
        {"main", "late", std::nullopt}, {"main", "orphan", std::nullopt}, {"EN", "q", std::nullopt},
    };
    for (const auto& [section, key, expected] : cases) {
        const auto value = FindProfileValue(ini, section, key);
        EXPECT_EQ(value ? std::optional<std::string>(*value) : std::nullopt, expected) << key;
    }
    const std::pair<const char*, int> integers[] = {{"", 5},     {"42abc", 42},  {"-7", -7},
                                                    {"010", 10}, {"-0X1f", -31}, {"abc", 0}};
    for (const auto& [text, number] : integers)
        EXPECT_EQ(ProfileInteger(text, 5), number) << text;
}

} // namespace
