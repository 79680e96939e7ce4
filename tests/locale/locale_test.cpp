// Tests that depend on how the test program was started: the system locale
// (Wine takes it from LC_ALL), the folder it lies in and its command line.
// Each run is set up by CTest with the expectation in LAUNCHER_EXPECT.
#include "app/launcher_app.h"
#include "app/program_folder.h"
#include "app/setup_ini.h"
#include "controls/label.h"

#include <windows.h>

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string Expectation() {
    char value[512] = {};
    ::GetEnvironmentVariableA("LAUNCHER_EXPECT", value, sizeof value);
    return value;
}

std::vector<std::string> ExpectedFields() {
    std::vector<std::string> fields;
    std::stringstream stream(Expectation());
    for (std::string field; std::getline(stream, field, ',');)
        fields.push_back(field);
    return fields;
}

void WriteSetupIni(const std::string& bytes) {
    FILE* file = std::fopen(SetupIniPath().c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

TEST(SystemLanguage, WithoutArgumentComesFromTheSystemLocale) {
    const std::vector<std::string> expected = ExpectedFields();
    ASSERT_EQ(expected.size(), 3u) << "LAUNCHER_EXPECT=code,id,name";
    CLauncherApp app;
    app.TakeLanguageArgument("");
    app.ResolveLanguage();
    EXPECT_EQ(app.m_language, expected[0]);
    EXPECT_EQ(app.m_langId, expected[1]);
    EXPECT_EQ(app.m_installLang, expected[2]);
}

TEST(CommandLine, OnlyTheFirstArgumentCounts) {
    const std::vector<std::string> expected = ExpectedFields();
    ASSERT_EQ(expected.size(), 4u) << "LAUNCHER_EXPECT=first,code,id,name";
    EXPECT_EQ(FirstCommandLineArgument(), expected[0]);
    CLauncherApp app;
    app.TakeLanguageArgument(FirstCommandLineArgument());
    app.ResolveLanguage();
    EXPECT_EQ(app.m_language, expected[1]);
    EXPECT_EQ(app.m_langId, expected[2]);
    EXPECT_EQ(app.m_installLang, expected[3]);
}

TEST(CodePage932, EscapeNeverStartsInsideADoubleByteCharacter) {
    ASSERT_EQ(::GetACP(), 932u);
    // 0x95 0x5C is one character whose trail byte is a backslash.
    WriteSetupIni("[JA]\nIDS_TEXT=\x95\x5Cn\\n\x95\x5C\n");
    EXPECT_EQ(ReadIniString("JA", "IDS_TEXT"), "\x95\x5Cn\n\x95\x5C");
    ::DeleteFileA(SetupIniPath().c_str());
}

TEST(CodePage932, LabelFaceNameIsCutBetweenCharacters) {
    ASSERT_EQ(::GetACP(), 932u);
    CLabel label;
    // 30 bytes and a double-byte character make 32: the whole character goes.
    label.SetFontName(std::string(30, 'a') + "\x82\xA0", SHIFTJIS_CHARSET);
    EXPECT_EQ(std::string(label.GetLogFont().lfFaceName), std::string(30, 'a'));
    // 29 bytes and the character make 31: it fits.
    label.SetFontName(std::string(29, 'a') + "\x82\xA0" + "b", SHIFTJIS_CHARSET);
    EXPECT_EQ(std::string(label.GetLogFont().lfFaceName), std::string(29, 'a') + "\x82\xA0");
}

TEST(ProgramFolder, IsFoundAndReadFromWhereverTheProgramLies) {
    const std::string folder = GetProgramFolder();
    const std::string suffix = "\\" + Expectation() + "\\";
    ASSERT_GE(folder.size(), suffix.size());
    EXPECT_EQ(folder.substr(folder.size() - suffix.size()), suffix);
    WriteSetupIni("[main]\nproductName=Found beside the program\n");
    CLauncherApp app;
    app.ReadSettings();
    EXPECT_EQ(app.m_productName, "Found beside the program");
    ::DeleteFileA(SetupIniPath().c_str());
}

TEST(LongProgramPath, AFolderTooLongForTheBufferIsNotTakenCut) {
    std::wstring path(32768, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), 32768);
    ASSERT_GE(length, 260u) << "the test program must lie on a path longer than 259 bytes";
    EXPECT_EQ(GetProgramFolder(), "");
    EXPECT_EQ(SetupIniPath(), "Setup.ini");
}

} // namespace
