#include "app/tokens.h"

#include "shift_jis.h"

#include <gtest/gtest.h>

namespace {

struct TokenCase {
    const char* text;
    const char* token;
    const char* value;
    const char* expected;
};

TEST(ReplaceToken, ReplacesEveryOccurrenceLeftToRightWithoutRescanning) {
    const TokenCase cases[] = {
        {"docs\\manual_$LANGUAGE.pdf", "$LANGUAGE", "DE", "docs\\manual_DE.pdf"},
        {"/l $LANGID /n $LANGID", "$LANGID", "1031", "/l 1031 /n 1031"},
        {"$LANGUAGE$LANGUAGE", "$LANGUAGE", "FR", "FRFR"},
        {"no token here", "$LANGUAGE", "FR", "no token here"},
        {"", "$LANGUAGE", "FR", ""},
        // Case counts.
        {"$language $Language", "$LANGUAGE", "FR", "$language $Language"},
        // The inserted value is not searched again, even when it holds the token.
        {"a $P b", "$P", "$P$P", "a $P$P b"},
        // Without overlap: "$$$X" holds one "$$" at 0, then "$X" is not a match of "$$".
        {"$$$X", "$$", "-", "-$X"},
        // A longer token that starts with a shorter one stays whole when replaced first.
        {"$LANGUAGE", "$LANGID", "1033", "$LANGUAGE"},
        {"x$LANGUAG", "$LANGUAGE", "EN", "x$LANGUAG"},
        {"keep", "", "value", "keep"},
    };
    for (const TokenCase& c : cases)
        EXPECT_EQ(ReplaceToken(c.text, c.token, c.value, LeadByteTable()), c.expected)
            << c.text << " / " << c.token;
}

TEST(ReplaceToken, NeverMatchesInsideADoubleByteCharacter) {
    const LeadByteTable sjis = ShiftJisLeadBytes();
    // 0x81 0x24 is one character whose second byte is a dollar sign.
    const std::string lead = "\x81";
    EXPECT_EQ(ReplaceToken(lead + "$X", "$X", "y", sjis), lead + "$X");
    EXPECT_EQ(ReplaceToken(lead + "$X$X", "$X", "y", sjis), lead + "$Xy");
    // In a single-byte code page the same bytes hold the token.
    EXPECT_EQ(ReplaceToken(lead + "$X", "$X", "y", LeadByteTable()), lead + "y");
}

} // namespace
