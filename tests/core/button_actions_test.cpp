#include "forms/button_actions.h"

#include "shift_jis.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ParseButtonAction, MatchesTheWordsWithoutRegardToCaseAndNothingElse) {
    const LeadByteTable single;
    const struct {
        const char* word;
        ButtonAction action;
    } cases[] = {
        {"exit", ButtonAction::kExit},
        {"EXIT", ButtonAction::kExit},
        {"Exit", ButtonAction::kExit},
        {"clickThru", ButtonAction::kClickThru},
        {"CLICKTHRU", ButtonAction::kClickThru},
        {"subForm", ButtonAction::kSubform},
        {"OPEN", ButtonAction::kOpen},
        {"MsgBox", ButtonAction::kMsgBox},
        {"SQLExpress", ButtonAction::kSqlExpress},
        {"exit ", ButtonAction::kUnknown},
        {" open", ButtonAction::kUnknown},
        {"run", ButtonAction::kUnknown},
        {"", ButtonAction::kUnknown},
        {"opens", ButtonAction::kUnknown},
        {"ope", ButtonAction::kUnknown},
        // Only A to Z fold: a byte of 0xC9 (an accented capital in code page 1252) is not "i".
        {"ex\xC9t", ButtonAction::kUnknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseButtonAction(c.word, single), c.action) << '"' << c.word << '"';
    // A double-byte character never matches, even one whose second byte is a letter.
    EXPECT_EQ(ParseButtonAction("\x82"
                                "xit",
                                ShiftJisLeadBytes()),
              ButtonAction::kUnknown);
}

TEST(IsWebAddress, LooksForHttpAndHttpsAnywhereAsWritten) {
    const LeadByteTable single;
    const struct {
        const char* target;
        bool web;
    } cases[] = {
        {"http://www.example.com/?lang=$LANGUAGE", true},
        {"https://www.example.com/", true},
        {"see http://x", true},
        {"HTTP://www.example.com/", false},
        {"docs\\http\\readme.txt", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsWebAddress(c.target, single), c.web) << c.target;
    // "h" as the second byte of a double-byte character does not start "http:".
    EXPECT_TRUE(IsWebAddress("\x82http:", single));
    EXPECT_FALSE(IsWebAddress("\x82http:", ShiftJisLeadBytes()));
}

TEST(ExpandLanguageTokens, FillsTheThreeValuesInTargetsAndArguments) {
    const RunLanguage german{"DE", "1031", "German"};
    const LeadByteTable single;
    EXPECT_EQ(ExpandLanguageTokens("docs\\manual_$LANGUAGE.pdf", german, single),
              "docs\\manual_DE.pdf");
    EXPECT_EQ(ExpandLanguageTokens("/l $LANGID /n $INSTALLLANG", german, single),
              "/l 1031 /n German");
}

TEST(ResolveTarget, PrefersTheProgramsCopyThenTheTargetAsWritten) {
    const std::string folder = "D:\\cd\\";
    const struct {
        const char* target;
        std::set<std::string> existing;
        const char* path;
        bool found;
    } cases[] = {
        // On the medium and in the current folder: the medium's copy wins.
        {"setup.exe", {"D:\\cd\\setup.exe", "setup.exe"}, "D:\\cd\\setup.exe", true},
        {"setup.exe", {"setup.exe"}, "setup.exe", true},
        {"C:\\tools\\x.exe", {"C:\\tools\\x.exe"}, "C:\\tools\\x.exe", true},
        // Nowhere: the user is told the path joined to the program's folder.
        {"docs\\manual_DE.pdf", {}, "D:\\cd\\docs\\manual_DE.pdf", false},
        {"C:\\gone.exe", {}, "D:\\cd\\C:\\gone.exe", false},
        // The empty target is the program's folder itself.
        {"", {"D:\\cd\\"}, "D:\\cd\\", true},
    };
    for (const auto& c : cases) {
        const ResolvedTarget resolved =
            ResolveTarget(c.target, folder, LeadByteTable(),
                          [&](const std::string& path) { return c.existing.count(path) > 0; });
        EXPECT_EQ(resolved.path, c.path) << c.target;
        EXPECT_EQ(resolved.found, c.found) << c.target;
    }
}

TEST(ClassifyLaunchResult, FollowsTheShellsErrorClasses) {
    const struct {
        long long result;
        LaunchError error;
    } cases[] = {
        {33, LaunchError::kNone},          {42, LaunchError::kNone},
        {2, LaunchError::kFileNotFound},   {3, LaunchError::kFileNotFound},
        {5, LaunchError::kFileNotFound},   {11, LaunchError::kFileNotFound},
        {32, LaunchError::kFileNotFound},  {27, LaunchError::kNoAssociation},
        {31, LaunchError::kNoAssociation}, {0, LaunchError::kOpenError},
        {8, LaunchError::kOpenError},      {26, LaunchError::kOpenError},
        {-1, LaunchError::kOpenError},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyLaunchResult(c.result), c.error) << c.result;
}

} // namespace
