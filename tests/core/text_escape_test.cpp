#include "app/text_escape.h"

#include "shift_jis.h"

#include <gtest/gtest.h>

namespace {

TEST(ExpandLineBreaks, TurnsBackslashNIntoLineFeeds) {
    const LeadByteTable single;
    EXPECT_EQ(ExpandLineBreaks("Line one\\nLine two", single), "Line one\nLine two");
    EXPECT_EQ(ExpandLineBreaks("\\n\\n", single), "\n\n");
    EXPECT_EQ(ExpandLineBreaks("end\\n", single), "end\n");
    EXPECT_EQ(ExpandLineBreaks("", single), "");
}

TEST(ExpandLineBreaks, LeavesOtherBackslashesAlone) {
    const LeadByteTable single;
    EXPECT_EQ(ExpandLineBreaks("C:\\Program Files\\x", single), "C:\\Program Files\\x");
    EXPECT_EQ(ExpandLineBreaks("upper \\N stays", single), "upper \\N stays");
    EXPECT_EQ(ExpandLineBreaks("trailing \\", single), "trailing \\");
    // The escape is matched left to right: "\\n" is a backslash, then an escape.
    EXPECT_EQ(ExpandLineBreaks("a\\\\nb", single), "a\\\nb");
}

TEST(ExpandLineBreaks, NeverStartsAnEscapeInsideADoubleByteCharacter) {
    const LeadByteTable sjis = ShiftJisLeadBytes();
    // 0x95 0x5C is one character whose second byte is a backslash.
    const std::string hyou = "\x95\x5C";
    EXPECT_EQ(ExpandLineBreaks(hyou + "n", sjis), hyou + "n");
    EXPECT_EQ(ExpandLineBreaks(hyou + "\\n" + hyou, sjis), hyou + "\n" + hyou);
    // A lead byte at the very end stands alone and is kept.
    EXPECT_EQ(ExpandLineBreaks("a\\n\x95", sjis), "a\n\x95");
    // In a single-byte code page the same bytes do form an escape.
    EXPECT_EQ(ExpandLineBreaks(hyou + "n", LeadByteTable()), "\x95\n");
}

} // namespace
