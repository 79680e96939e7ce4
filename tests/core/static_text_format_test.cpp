#include "controls/static_text_format.h"

#include <gtest/gtest.h>

namespace {

using namespace text_format;

struct Case {
    const char* name;
    std::uint32_t style;
    const char* text;
    unsigned format;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class StaticTextFormatCase : public testing::TestWithParam<Case> {};

TEST_P(StaticTextFormatCase, GivesTheLayoutOfTheAlignment) {
    const Case& c = GetParam();
    EXPECT_EQ(StaticTextFormat(c.style, c.text), c.format);
}

constexpr std::uint32_t kNotify = 0x100; // other style bits do not count
constexpr std::uint32_t kChild = 0x40000000;
constexpr std::uint32_t kSimple = 0x0B; // another kind of static

INSTANTIATE_TEST_SUITE_P(
    Styles, StaticTextFormatCase,
    testing::Values(
        Case{"Left", 0x00, "text", kLeft | kWordBreak},
        Case{"Center", static_style::kCenter, "text", kCenter | kWordBreak},
        Case{"Right", static_style::kRight, "text", kRight | kWordBreak},
        Case{"LeftNoWordWrap", static_style::kLeftNoWordWrap, "text", kLeft},
        Case{"OtherKindsWrapLeft", kSimple, "text", kLeft | kWordBreak},
        Case{"HigherBitsIgnored", static_style::kRight | kNotify | kChild, "t",
             kRight | kWordBreak},
        Case{"CentreImageOneLine", static_style::kCenterImage, "one line",
             kCenter | kVCenter | kSingleLine},
        Case{"CentreImageReplacesRight", static_style::kCenterImage | static_style::kRight, "x",
             kCenter | kVCenter | kSingleLine},
        Case{"CentreImageWithLineBreak", static_style::kCenterImage, "one\r\ntwo", kCenter},
        Case{"CentreImageLoneNewLine", static_style::kCenterImage, "one\ntwo",
             kCenter | kVCenter | kSingleLine},
        Case{"CentreImageLoneReturn", static_style::kCenterImage, "one\rtwo",
             kCenter | kVCenter | kSingleLine},
        Case{"CentreImageEmpty", static_style::kCenterImage, "", kCenter | kVCenter | kSingleLine},
        Case{"CentreImageDoubleByteText",
             static_style::kCenterImage | static_style::kLeftNoWordWrap,
             "\x82\xa0\x82\xa2\r\n\x93\xfa", kCenter}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

} // namespace
