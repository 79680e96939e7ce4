#include "button_words.h"

#include <gtest/gtest.h>

namespace {

using Tokens = std::vector<std::string>;

// As the author's guide lists them: the language tokens in the target and
// parameters of open and clickThru; the database installer's own.
TEST(ButtonWordsTest, OffersTheTokensTheLauncherReplacesForTheActionAndField) {
    const Tokens language = {"$LANGID", "$LANGUAGE", "$INSTALLLANG"};
    EXPECT_EQ(TokensFor("open", TargetField::kUrl), language);
    EXPECT_EQ(TokensFor("clickThru", TargetField::kArgs), language);
    EXPECT_EQ(TokensFor("CLICKTHRU", TargetField::kUrl), language); // as the launcher reads words
    EXPECT_EQ(TokensFor("sqlexpress", TargetField::kUrl), Tokens{"$LANGUAGE"});
    EXPECT_EQ(TokensFor("sqlexpress", TargetField::kArgs), (Tokens{"$LOGFILE", "$PASSWORD"}));
    EXPECT_TRUE(TokensFor("msgbox", TargetField::kUrl).empty());
    EXPECT_TRUE(TokensFor("subform", TargetField::kArgs).empty());
    EXPECT_TRUE(TokensFor("run", TargetField::kArgs).empty());
}

} // namespace
