#include "finding_place.h"

#include <gtest/gtest.h>

namespace {

// Line numbers in the comments are those the findings point at.
const char kSetup[] = "[main]\n"                   // 1
                      "imageFile=background.png\n" // 2
                      "buttonCount=2\n"            // 3
                      "\n"                         // 4
                      "[main.button1]\n"           // 5
                      "label=IDS_A\n"              // 6
                      "action=subform\n"           // 7
                      "url=more\n"                 // 8
                      "[Main.Button2]\n"           // 9
                      "url=missing.exe\n"          // 10
                      "[more]\n"                   // 11
                      "buttonCount=1\n"            // 12
                      "[more.button1]\n"           // 13
                      "action=exit\n"              // 14
                      "[EN]\n"                     // 15
                      "IDS_A=Install\n"            // 16
                      "[ja]\n"                     // 17
                      "IDS_A=x\n"                  // 18
                      "[notes]\n"                  // 19
                      "text=1\n";                  // 20

struct PlaceCase {
    int line;
    const char* form;
    const char* language;
    int button;
};

void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << "line " << c.line;
}

class FindingPlaceTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(FindingPlaceTest, NamesFormLanguageAndButtonOfTheLine) {
    const PlaceCase& c = GetParam();
    const FindingPlace place = PlaceOfLine(IniDocument::FromBytes(kSetup), c.line);
    EXPECT_EQ(place.form, c.form);
    EXPECT_EQ(place.language, c.language);
    EXPECT_EQ(place.button, c.button);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindingPlaceTest,
    testing::Values(PlaceCase{0, "", "", 0},      // no line to point at
                    PlaceCase{1, "main", "", 0},  // the first form's header
                    PlaceCase{4, "main", "", 0},  // a blank line belongs to the section above
                    PlaceCase{5, "main", "", 1},  // a button's header
                    PlaceCase{8, "main", "", 1},  // a button's key
                    PlaceCase{10, "main", "", 2}, // the form spelt as its section
                    PlaceCase{12, "more", "", 0}, // a form reached through a button
                    PlaceCase{14, "more", "", 1}, // its button
                    PlaceCase{16, "", "EN", 0},   // a language's text
                    PlaceCase{18, "", "ja", 0},   // a language in lower case
                    PlaceCase{20, "", "", 0},     // a section the launcher never reads
                    PlaceCase{99, "", "", 0}));   // past the end: still the last section's

TEST(ButtonsWithErrorsTest, MarksEachButtonOfTheFormThatAnErrorPointsAtOnce) {
    const IniDocument document = IniDocument::FromBytes(kSetup);
    const std::vector<Finding> findings = {
        {Severity::kError, 10, "target missing"},     {Severity::kWarning, 6, "a warning only"},
        {Severity::kError, 14, "on the other form"},  {Severity::kError, 8, "form missing"},
        {Severity::kError, 10, "second on button 2"}, {Severity::kError, 16, "a language's"},
        {Severity::kError, 2, "the form's own"}};
    EXPECT_EQ(ButtonsWithErrors(findings, document, "main"), (std::vector<int>{1, 2}));
    EXPECT_EQ(ButtonsWithErrors(findings, document, "MORE"), (std::vector<int>{1}));
    EXPECT_TRUE(ButtonsWithErrors(findings, document, "other").empty());
}

} // namespace
