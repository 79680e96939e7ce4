// The document model natively: round trips, encodings, edits and history.
// Its lookups are compared with the platform's own profile functions under
// Wine (tests/locale/profile_agreement_test.cpp), over the same files.
#include "ini_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The sample, and the fuzz target's seeds: media the test suites write, and
// files of every encoding, line end and oddity.
TEST(IniDocument, WritesBackEveryFileAsItWasRead) {
    std::vector<std::string> files = {ReadFile(SOURCE_DIR "/demo/Setup.ini"), ""};
    for (const auto& entry :
         std::filesystem::directory_iterator(SOURCE_DIR "/tests/fuzz/corpus/ini_document"))
        files.push_back(ReadFile(entry.path()));
    ASSERT_GT(files.size(), 20u);
    ASSERT_GT(files[0].size(), 5000u); // the sample was read
    for (const std::string& bytes : files)
        EXPECT_EQ(IniDocument::FromBytes(bytes).ToBytes(), bytes);
}

TEST(IniDocument, TellsTheEncodingAndHoldsUtf16AsUtf8) {
    const std::string utf16("\xFF\xFE[\0a\0]\0\n\0k\0=\0\xE9\0", 16);
    const std::pair<std::string, IniEncoding> cases[] = {
        {"[a]\nk=\xE9", IniEncoding::kCodePage},
        {"[a]\nk=\xC3\xA9", IniEncoding::kUtf8},
        {"[a]\nk=\xC0\xAF\xED\xA0\x80", IniEncoding::kCodePage}, // overlong, surrogate
        {"[a]\nk=plain", IniEncoding::kCodePage},
        {"\xEF\xBB\xBF[a]\nk=\xC3\xA9", IniEncoding::kUtf8WithMark},
        {utf16, IniEncoding::kUtf16WithMark},
        {"\xFE\xFF[\0a\0]", IniEncoding::kCodePage},
    };
    for (const auto& [bytes, encoding] : cases)
        EXPECT_EQ(DetectIniEncoding(bytes), encoding) << bytes;
    IniDocument document = IniDocument::FromBytes(utf16);
    EXPECT_EQ(document.Value("a", "k"), "\xC3\xA9");
    document.SetValue("A", "K", "\xE2\x82\xAC");
    EXPECT_EQ(document.ToBytes(), std::string("\xFF\xFE[\0a\0]\0\n\0k\0=\0\xAC\x20", 16));
}

struct EditCase {
    const char* name;
    std::function<void(IniDocument&)> edit;
    std::string expected;
};

TEST(IniDocument, EachEditChangesOnlyItsLines) {
    const std::string before = "; head\r\n[a]\r\nk = old  \r\n\r\n [b] ; note\r\nm=1";
    const EditCase cases[] = {
        {"value", [](IniDocument& d) { d.SetValue("a", "K", "new"); },
         "; head\r\n[a]\r\nk = new  \r\n\r\n [b] ; note\r\nm=1"},
        {"blanks kept", [](IniDocument& d) { d.SetValue("a", "k", " x "); },
         "; head\r\n[a]\r\nk = \" x \"  \r\n\r\n [b] ; note\r\nm=1"},
        {"new key", [](IniDocument& d) { d.SetValue("a", "n", "2"); },
         "; head\r\n[a]\r\nk = old  \r\nn=2\r\n\r\n [b] ; note\r\nm=1"},
        {"after an unended line", [](IniDocument& d) { d.SetValue("B", "n", "2"); },
         "; head\r\n[a]\r\nk = old  \r\n\r\n [b] ; note\r\nm=1\r\nn=2\r\n"},
        {"new section", [](IniDocument& d) { d.SetValue("c", "n", "one\nline"); },
         "; head\r\n[a]\r\nk = old  \r\n\r\n [b] ; note\r\nm=1\r\n\r\n[c]\r\nn=one\r\n"},
        {"key removed", [](IniDocument& d) { d.RemoveKey("a", "k"); },
         "; head\r\n[a]\r\n\r\n [b] ; note\r\nm=1"},
        {"section removed", [](IniDocument& d) { d.RemoveSection("A"); },
         "; head\r\n [b] ; note\r\nm=1"},
        {"section renamed", [](IniDocument& d) { d.RenameSection("b", "main"); },
         "; head\r\n[a]\r\nk = old  \r\n\r\n [main] ; note\r\nm=1"},
        {"a line without a value", [](IniDocument& d) { d.SetValue("", "; head", "1"); },
         "; head=1\r\n[a]\r\nk = old  \r\n\r\n [b] ; note\r\nm=1"},
        {"no such name", [](IniDocument& d) { d.SetValue("a", "x=y", "1"); }, before},
    };
    for (const EditCase& c : cases) {
        IniDocument document = IniDocument::FromBytes(before);
        c.edit(document);
        EXPECT_EQ(document.ToBytes(), c.expected) << c.name;
    }
    IniDocument lineFeeds = IniDocument::FromBytes("[a]\nk=1\n");
    lineFeeds.SetValue("a", "n", "2");
    EXPECT_EQ(lineFeeds.ToBytes(), "[a]\nk=1\nn=2\n");
    EXPECT_EQ(lineFeeds.LineOf("A"), 1);
    EXPECT_EQ(lineFeeds.LineOf("a", "N"), 3);
    EXPECT_EQ(lineFeeds.LineOf("a", "x"), 0);
}

TEST(IniHistory, UndoesAndRedoesWholeActions) {
    IniHistory history(IniDocument::FromBytes("[a]\nk=1\n"));
    EXPECT_FALSE(history.Apply([](IniDocument& d) { d.SetValue("a", "k", "1"); }));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(history.Apply([](IniDocument& d) {
        d.SetValue("a", "k", "2");
        d.SetValue("a", "n", "3");
    }));
    EXPECT_TRUE(history.Modified());
    history.MarkSaved();
    EXPECT_FALSE(history.Modified());
    history.Undo();
    EXPECT_EQ(history.Document().ToBytes(), "[a]\nk=1\n");
    EXPECT_TRUE(history.Modified());
    history.Redo();
    EXPECT_EQ(history.Document().ToBytes(), "[a]\nk=2\nn=3\n");
    EXPECT_FALSE(history.Modified());
    history.Undo();
    history.Apply([](IniDocument& d) { d.RemoveSection("a"); });
    EXPECT_FALSE(history.CanRedo()); // a new action drops the steps undone
    EXPECT_EQ(history.Document().ToBytes(), "");
    history.Undo();
    EXPECT_FALSE(history.CanUndo());
}

} // namespace
