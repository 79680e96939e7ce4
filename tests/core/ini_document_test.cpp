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
// files of every encoding and line end.
std::vector<std::string> SavedFiles() {
    std::vector<std::string> files = {ReadFile(SOURCE_DIR "/demo/Setup.ini")};
    for (const auto& entry :
         std::filesystem::directory_iterator(SOURCE_DIR "/tests/fuzz/corpus/ini_document"))
        files.push_back(ReadFile(entry.path()));
    return files;
}

TEST(IniDocument, WritesBackEveryFileAsItWasRead) {
    std::vector<std::string> files = SavedFiles();
    ASSERT_GE(files.size(), 10u);
    ASSERT_GT(files[0].size(), 5000u); // the sample was read
    const std::string odd[] = {
        "[a]\rk=v\r\rx",
        "\n\n[a]\r\n\n\r",
        std::string("k=\0\xff\xfe[\x80]", 8),
        std::string("\xFF\xFE[\0a\0]\0\r", 9),                 // an odd last byte
        std::string("\xFF\xFEk\0=\0\x00\xD8\n\0\x00\xDC", 12), // unpaired surrogates
        "\xEF\xBB\xBF[\xC3\xA9]\n\xC3",
        "",
    };
    files.insert(files.end(), std::begin(odd), std::end(odd));
    for (const std::string& bytes : files)
        EXPECT_EQ(IniDocument::FromBytes(bytes).ToBytes(), bytes);
}

constexpr char kIni[] = "; comment\r\n"
                        "orphan=before any section\r\n"
                        "[ main ] trailing\r\n"
                        " imageFile = \"splash.png \" \r\n"
                        "count=0x1F\r\n"
                        "COUNT=9\r\n"
                        "empty=''\r\n"
                        "novalue\r\n"
                        ";hidden=1\r\n"
                        "[broken\r\n"
                        "cut=ab\0cd\r"
                        "[Main]\n"
                        "late=hidden by the first [main]\n"
                        "[x]]\n"
                        "big=99999999999\n"
                        "neg=-0x10\n"
                        "long=000000000000000000000000000042";

struct LookupCase {
    const char* section;
    const char* key;
    std::optional<std::string> value;
    int integer;
};

TEST(IniDocument, LooksUpAsTheProfileFunctions) {
    const IniDocument document = IniDocument::FromBytes(std::string(kIni, sizeof kIni - 1));
    const LookupCase cases[] = {
        {"main", "imageFile", "splash.png ", 0},
        {" MAIN ", "IMAGEFILE ", "splash.png ", 0},
        {"main", "count", "0x1F", 31}, // the first of equal keys
        {"main", "empty", "", -1},
        {"main", "novalue", std::nullopt, -1},
        {"main", ";hidden", "1", 1},
        {"main", "cut", "ab", 0},
        {"main", "late", std::nullopt, -1},
        {"", "orphan", "before any section", 0},
        {"x]", "big", "99999999999", 1215752191}, // wraps at 32 bits
        {"x]", "neg", "-0x10", -16},
        {"x]", "long", "000000000000000000000000000042", 4}, // 29 characters read
    };
    for (const LookupCase& c : cases) {
        EXPECT_EQ(document.Value(c.section, c.key), c.value) << c.section << '/' << c.key;
        EXPECT_EQ(document.Integer(c.section, c.key, -1), c.integer) << c.section << '/' << c.key;
    }
    EXPECT_EQ(document.SectionNames(), (std::vector<std::string>{"main", "x]"}));
    EXPECT_EQ(document.KeyNames("Main"),
              (std::vector<std::string>{"imageFile", "count", "empty", "cut"}));
    EXPECT_TRUE(document.HasSection("MAIN"));
    EXPECT_FALSE(document.HasSection("broken"));
    EXPECT_EQ(document.LineOf("main"), 3);
    EXPECT_EQ(document.LineOf("main", "COUNT"), 5);
    EXPECT_EQ(document.LineOf("x]", "big"), 15);
    EXPECT_EQ(document.LineOf("main", "late"), 0);
}

TEST(IniDocument, TellsTheEncodingAndReadsItsText) {
    const std::string utf16 = std::string("\xFF\xFE[\0a\0]\0\n\0k\0=\0\xE9\0", 16);
    const std::pair<std::string, IniEncoding> cases[] = {
        {"[a]\nk=\xE9", IniEncoding::kAnsi},
        {"[a]\nk=\xC3\xA9", IniEncoding::kUtf8},
        {"[a]\nk=\xC0\xAF\xED\xA0\x80", IniEncoding::kAnsi}, // overlong, surrogate
        {"[a]\nk=plain", IniEncoding::kAnsi},
        {"\xEF\xBB\xBF[a]\nk=\xC3\xA9", IniEncoding::kUtf8WithMark},
        {utf16, IniEncoding::kUtf16WithMark},
        {"\xFE\xFF", IniEncoding::kAnsi},
    };
    for (const auto& [bytes, encoding] : cases)
        EXPECT_EQ(DetectIniEncoding(bytes), encoding) << bytes;
    IniDocument document = IniDocument::FromBytes(utf16);
    EXPECT_EQ(document.Value("a", "k"), "\xC3\xA9");
    document.SetValue("a", "k", "\xE2\x82\xAC");
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
