#include "app/formatted_message.h"
#include "app/launcher_app.h"
#include "app/program_folder.h"
#include "app/setup_ini.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramFolder, IsTheTestProgramsFolderWithATrailingBackslash) {
    const std::string folder = GetProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_TRUE(FileExists(folder + "gui_tests.exe"));
    EXPECT_TRUE(FileExists(folder));
    EXPECT_FALSE(FileExists(folder + "no such file.txt"));
    // A path too long for the platform names nothing, even when a prefix exists.
    EXPECT_FALSE(FileExists(folder + std::string(300, 'x')));
    EXPECT_FALSE(FileExists(folder + "." + std::string(300, '\\')));
}

// On the Western code page a name it spells is kept (the end-to-end flow and
// the hostile media prove the names it cannot spell work through their short
// names); a name without either is named to the user, who is told what to do.
TEST(ProgramFolder, NamesAreSpeltInTheCodePageAndAFolderWithNeitherIsReported) {
    ASSERT_EQ(::GetACP(), 1252u);
    const std::wstring spelt = L"C:\\\x00E9t\x00E9";
    ::CreateDirectoryW(spelt.c_str(), nullptr);
    EXPECT_EQ(AnsiPath(spelt.c_str()), "C:\\\xE9t\xE9");
    EXPECT_FALSE(ReportUnspellableFolder(spelt.c_str()));
    ::RemoveDirectoryW(spelt.c_str());
    // Never made: a name the code page lacks, and no short name for it.
    const std::wstring missing =
        L"C:\\spelt\\\x0423\x0441\x0442\x0430\x043D\x043E\x0432\x043A\x0430";
    MessageBoxWatcher boxes;
    EXPECT_EQ(AnsiPath(missing.c_str()), "");
    EXPECT_TRUE(ReportUnspellableFolder(missing.c_str()));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_NE(boxes.boxes()[0].text.find("C:\\spelt\\?????????\n"), std::string::npos);
    EXPECT_NE(boxes.boxes()[0].text.find("plain Latin letters"), std::string::npos);
}

TEST(SetupIni, MissingFileSectionOrKeyReadsEmptyOrTheDefault) {
    ::DeleteFileA(SetupIniPath().c_str());
    EXPECT_EQ(ReadIniString("EN", "IDS_OK"), "");
    EXPECT_EQ(ReadIniValue("main", "imageFile"), "");
    EXPECT_EQ(ReadIniInt("main", "buttonCount", 5), 5);

    ScopedSetupIni ini("[main]\nimageFile=splash.png\n");
    EXPECT_EQ(ReadIniValue("main", "productName"), "");
    EXPECT_EQ(ReadIniValue("other", "imageFile"), "");
    EXPECT_EQ(ReadIniInt("main", "versionX", 0), 0);
}

TEST(SetupIni, LineBreakEscapeAppliesToLocalisedTextsOnly) {
    ScopedSetupIni ini("[EN]\nIDS_TWO=Line one\\nLine two\n"
                       "[main]\nversionNumber=Line one\\nLine two\n");
    EXPECT_EQ(ReadIniString("EN", "IDS_TWO"), "Line one\nLine two");
    EXPECT_EQ(ReadIniValue("EN", "IDS_TWO"), "Line one\\nLine two");
    EXPECT_EQ(ReadIniValue("main", "versionNumber"), "Line one\\nLine two");
}

TEST(SetupIni, LongValuesAreCutTo259Bytes) {
    const std::string value(300, 'v');
    ScopedSetupIni ini("[EN]\nLONG=" + value + "\n");
    EXPECT_EQ(ReadIniString("EN", "LONG"), value.substr(0, 259));
    EXPECT_EQ(ReadIniValue("EN", "LONG").size(), 259u);
}

TEST(SetupIni, IntegersFollowThePlatformsConversion) {
    ScopedSetupIni ini("[main]\nversionX=42abc\nversionY=0x10\nempty=\nneg=-7\n");
    EXPECT_EQ(ReadIniInt("main", "versionX", 0), 42);
    EXPECT_EQ(ReadIniInt("main", "versionY", 0), 16);
    EXPECT_EQ(ReadIniInt("main", "empty", 5), 5);
    EXPECT_EQ(ReadIniInt("main", "neg", 0), -7);
}

TEST(SetupIni, EveryReadSeesTheFilesCurrentContent) {
    ScopedSetupIni first("[EN]\nIDS_OK=Continue\n");
    EXPECT_EQ(ReadIniString("EN", "IDS_OK"), "Continue");
    WriteFileBytes(first.path(), "[EN]\nIDS_OK=Weiter\n");
    EXPECT_EQ(ReadIniString("EN", "IDS_OK"), "Weiter");
}

TEST(ReadSettings, FillsTheMainMembersOnce) {
    CLauncherApp app;
    {
        ScopedSetupIni ini("[main]\nimageFile=splash.png\nproductName=Product Setup\n"
                           "versionNumber=Version 2.0\\n\nversionFont=Arial\neulaRoot=Eula\n"
                           "versionX=20\nversionY=330\nvendor=ignored\ndirRoot=ignored\n");
        app.ReadSettings();
    }
    EXPECT_EQ(app.m_imageFile, "splash.png");
    EXPECT_EQ(app.m_productName, "Product Setup");
    EXPECT_EQ(app.m_versionNumber, "Version 2.0\\n");
    EXPECT_EQ(app.m_versionFont, "Arial");
    EXPECT_EQ(app.m_eulaRoot, "Eula");
    EXPECT_EQ(app.m_versionX, 20);
    EXPECT_EQ(app.m_versionY, 330);
    // The file is gone now; the settings stay as read.
    EXPECT_EQ(app.m_productName, "Product Setup");
}

TEST(ReadSettings, WithoutSetupIniEverythingIsEmptyAndZero) {
    ::DeleteFileA(SetupIniPath().c_str());
    CLauncherApp app;
    app.m_productName = "stale";
    app.ReadSettings();
    EXPECT_EQ(app.m_productName, "");
    EXPECT_EQ(app.m_imageFile, "");
    EXPECT_EQ(app.m_versionX, 0);
    EXPECT_EQ(app.m_versionY, 0);
}

TEST(LauncherLanguage, ArgumentOfTwoBytesIsKeptAsTyped) {
    CLauncherApp app;
    app.TakeLanguageArgument("de");
    app.ResolveLanguage();
    EXPECT_EQ(app.m_language, "de");
    EXPECT_EQ(app.m_langId, "1033");
    EXPECT_EQ(app.m_installLang, "English");

    CLauncherApp german;
    german.TakeLanguageArgument("DE");
    german.ResolveLanguage();
    EXPECT_EQ(german.m_language, "DE");
    EXPECT_EQ(german.m_langId, "1031");
    EXPECT_EQ(german.m_installLang, "German");
}


TEST(FormattedMessage, PutsTheInsertInPlaceOfPercentOne) {
    ScopedSetupIni ini("[EN]\nIDS_FILENOTFOUND=The file %1 was not found.\n"
                       "IDS_TWO=First\\nthen %1\n"
                       "IDS_MANY=%1 %2 %3 %99 %1!s! %2!d! %99!I64d!\n");
    EXPECT_EQ(FormatLocalisedMessage("EN", "IDS_FILENOTFOUND", "C:\\x.pdf"),
              "The file C:\\x.pdf was not found.");
    // The formatter writes line breaks as CR LF.
    EXPECT_EQ(FormatLocalisedMessage("EN", "IDS_TWO", "it"), "First\r\nthen it");
    // Inserts other than %1 read nothing beyond the one insert supplied.
    const std::string many = FormatLocalisedMessage("EN", "IDS_MANY", "ins");
    EXPECT_EQ(many.substr(0, 4), "ins ");
    EXPECT_NE(many.find("ins"), std::string::npos);
}

TEST(FormattedMessage, ReadsEveryInsertAsTextWhateverTypeThePatternGivesIt) {
    const struct {
        const char* pattern;
        const char* shown;
    } cases[] = {
        {"Missing %1!S!", "Missing C:\\x.pdf"},      {"Missing %1!x! %2!x!", "Missing C:\\x.pdf "},
        {"%1!-20s!|%2!d!|%99!I64d!", "C:\\x.pdf||"}, {"%1!*.*s!%3!c!", "C:\\x.pdf"},
        {"100%% of %1", "100% of C:\\x.pdf"},        {"%%1!S! %! %1", "%1!S! ! C:\\x.pdf"},
    };
    for (const auto& c : cases) {
        ScopedSetupIni ini(std::string("[EN]\nIDS_FILENOTFOUND=") + c.pattern + "\n");
        EXPECT_EQ(FormatLocalisedMessage("EN", "IDS_FILENOTFOUND", "C:\\x.pdf"), c.shown)
            << c.pattern;
    }
}

TEST(FormattedMessage, AnUnusableTextStillShowsTheInsert) {
    ScopedSetupIni ini("[EN]\nIDS_EMPTY=\n");
    const std::string shown = FormatLocalisedMessage("EN", "IDS_FILENOTFOUND", "C:\\missing.pdf");
    EXPECT_NE(shown.find("C:\\missing.pdf"), std::string::npos);
    EXPECT_NE(shown.find("IDS_FILENOTFOUND"), std::string::npos);
    EXPECT_NE(FormatLocalisedMessage("EN", "IDS_EMPTY", "x").find("x"), std::string::npos);
}

TEST(FormattedMessage, IsShownInTheApplicationsMessageBox) {
    ScopedSetupIni ini("[FR]\nIDS_FILENOTFOUND=Le fichier %1 est introuvable.\n");
    MessageBoxWatcher watcher;
    ShowFormattedMessage("FR", "IDS_FILENOTFOUND", "doc.pdf");
    ASSERT_EQ(watcher.boxes().size(), 1u);
    EXPECT_EQ(watcher.boxes()[0].title, "gui_tests");
    EXPECT_EQ(watcher.boxes()[0].text, "Le fichier doc.pdf est introuvable.");
}

} // namespace
