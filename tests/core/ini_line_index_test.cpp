#include "findings.h"
#include "ini_line_index.h"
#include "text_encoding.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const std::string kIni = "; comment\r\n"
                         "orphan=before any section\r\n"
                         "[main]\r\n"
                         "  imageFile = splash.png \r\n"
                         "buttonCount=2\r\n"
                         "\r\n"
                         "[ Main.Button1 ]\r\n"
                         "label=IDS_GO\r\n"
                         "LABEL=second of the same name\r\n"
                         "novalue\r\n"
                         "[EN]\r\n"
                         "IDS_GO=Go\r\n"
                         "[broken\r\n"
                         "key=in EN still\r\n"
                         "[main]\r\n"
                         "versionX=10";

struct KeyCase {
    const char* section;
    const char* key;
    std::optional<int> line;
};

TEST(IniLineIndex, FindsKeysAsTheProfileFunctionsDo) {
    const IniLineIndex index(kIni);
    const KeyCase cases[] = {
        {"main", "imageFile", 4},
        {"MAIN", "IMAGEFILE", 4},
        {"main", "buttonCount", 5},
        {"main.button1", "label", 8}, // the first of equal keys
        {"main.button1", "novalue", 10},
        {"EN", "IDS_GO", 12},
        {"en", "key", 14},                  // a header without "]" is a key line
        {"main", "versionX", std::nullopt}, // a repeated section is never read
        {"main", "orphan", std::nullopt},
        {"main", "; comment", std::nullopt},
        {"FR", "IDS_GO", std::nullopt},
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(index.KeyLine(c.section, c.key), c.line) << c.section << '/' << c.key;
}

TEST(IniLineIndex, ListsSectionsOnceInFileOrder) {
    const IniLineIndex index(kIni);
    std::vector<std::pair<std::string, int>> sections;
    for (const IniSectionLines& section : index.Sections())
        sections.emplace_back(section.name, section.line);
    const std::vector<std::pair<std::string, int>> expected = {
        {"main", 3}, {"Main.Button1", 7}, {"EN", 11}};
    EXPECT_EQ(sections, expected);
}

TEST(IniLineIndex, PointsAtTheKeyElseItsSectionElseNowhere) {
    const IniLineIndex index(kIni);
    EXPECT_EQ(index.LineOf("main", "imageFile"), 4);
    EXPECT_EQ(index.LineOf("main", "productName"), 3);
    EXPECT_EQ(index.LineOf("more", "buttonCount"), 0);
    EXPECT_EQ(index.LineOf("main.button1"), 7);
}

TEST(IniLineIndex, CountsLinesByLineFeedsAlone) {
    const IniLineIndex index("[a]\rx=1\n\n[b]\ny=2");
    EXPECT_EQ(index.KeyLine("a", "x"), std::nullopt); // a lone carriage return ends no line
    EXPECT_EQ(index.SectionLine("b"), 3);
    EXPECT_EQ(index.KeyLine("b", "y"), 4);
    EXPECT_TRUE(IniLineIndex("").Sections().empty());
}

struct EncodingCase {
    std::string bytes;
    TextEncoding encoding;
    std::string narrowed;
};

TEST(TextEncoding, TellsTheEncodingsTheLauncherMisreads) {
    const EncodingCase cases[] = {
        {"[main]\r\nx=\xE9", TextEncoding::kAnsi, "[main]\r\nx=\xE9"},
        {"\xEF\xBB\xBF[main]", TextEncoding::kUtf8WithMark, "[main]"},
        {std::string("\xFF\xFE[\0a\0\xE9\0]\0", 10), TextEncoding::kUtf16, "[a?]"},
        {std::string("\xFE\xFF\0[\0b\0]", 8), TextEncoding::kUtf16, "[b]"},
        {std::string("[\0c\0]\0", 6), TextEncoding::kUtf16, "[c]"},
    };
    for (const EncodingCase& c : cases) {
        EXPECT_EQ(DetectTextEncoding(c.bytes), c.encoding) << c.narrowed;
        EXPECT_EQ(NarrowedForLines(c.bytes, c.encoding), c.narrowed);
        EXPECT_EQ(EncodingProblem(c.encoding).empty(), c.encoding == TextEncoding::kAnsi);
    }
}

TEST(Findings, PrintLikeACompilerWithASummary) {
    std::vector<Finding> findings = {{Severity::kWarning, 12, "late"},
                                     {Severity::kError, 3, "early"},
                                     {Severity::kNote, 0, "no line"},
                                     {Severity::kWarning, 12, "late too"}};
    EXPECT_EQ(ExitStatusOf(findings), 1);
    SortByLine(findings);
    std::vector<std::string> printed;
    for (const Finding& finding : findings)
        printed.push_back(FormatFinding(finding));
    const std::vector<std::string> expected = {
        "Setup.ini: note: no line", "Setup.ini:3: error: early", "Setup.ini:12: warning: late",
        "Setup.ini:12: warning: late too"};
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(FormatSummary(findings), "1 error, 2 warnings, 1 note");
    EXPECT_EQ(FormatSummary({}), "0 errors, 0 warnings, 0 notes");
    EXPECT_EQ(ExitStatusOf({{Severity::kWarning, 1, "w"}, {Severity::kNote, 2, "n"}}), 0);
}

} // namespace
