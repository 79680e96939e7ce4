// setupcheck.exe on small broken folders, each with the findings it must print
// (file, line, severity) and its exit status; on the sample folder; and with
// bad usage.
#include "pictures/picture_encoding.h"
#include "setupcheck/setupcheck_runner.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

std::string Picture(int width = 200, int height = 100) {
    return Bmp24(width, height, Pixels(width * height, 0xFF336699));
}

// Lines 1 to 10: the first form with one button of the given action and url,
// inside the 200 x 100 picture.
std::string MainWithButton(const std::string& action, const std::string& url) {
    return "[main]\n"
           "imageFile=pic.bmp\n"
           "buttonCount=1\n"
           "[main.button1]\n"
           "label=IDS_GO\n"
           "action=" +
           action +
           "\n"
           "url=" +
           url +
           "\n"
           "x=10\ny=10\n"
           "width=50\n"; // line 10; height on line 11
}

// A language section with the button's caption and every fixed text.
std::string Texts(const std::string& language) {
    return "[" + language +
           "]\n"
           "IDS_GO=Go\n"
           "IDS_FILENOTFOUND=%1 is missing.\n"
           "IDS_NOFILE_ASSOCIATION=No program.\nIDS_FILEOPEN_ERROR=Cannot open.\n"
           "IDS_LICENSECAPTION=Licence\nIDS_OK=Continue\nIDS_CANCEL=Cancel\n"
           "IDS_AGREEMENT=I agree\nIDS_LICENSEHEADER=Read this\nIDS_EULA=License.rtf\n"
           "IDS_CAPTION=Password\nIDS_PASSWORD=Password:\nIDS_CONFIRM=Confirm:\n"
           "IDS_INSTALL=Install\nIDS_SQLEXPRESS_FAILED=Failed.\nIDS_REBOOT_REQUIRED=Restart.\n";
}

// A whole Setup.ini: the first form (lines 1 to 11), the extra lines from
// line 12 on, then the texts of English.
std::string Ini(const std::string& action, const std::string& url, const std::string& extra = "") {
    return MainWithButton(action, url) + "height=20\n" + extra + Texts("EN");
}

const std::string kRtf = "{\\rtf1\\ansi Terms.}";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// The licences in the folder Eula: one line more at the top.
std::string WithEulaRoot(const std::string& ini) {
    return Replaced(ini, "[main]\n", "[main]\neulaRoot=Eula\n");
}

struct BrokenFolder {
    const char* name;
    Files files; // Setup.ini among them
    std::vector<PrintedFinding> findings;
    unsigned long exitStatus;
};

PrintedFinding At(int line, const char* severity) {
    return {"Setup.ini", line, severity};
}

// A folder with one exit button on the given picture.
Files ExitOn(const std::string& picture) {
    return {{"Setup.ini", Ini("exit", "")}, {"pic.bmp", picture}};
}

// A UTF-8 Setup.ini after the mark given, whose picture is named "B\xE9" in
// code page 1252.
Files Utf8Folder(const std::string& mark) {
    return {{"Setup.ini", mark + Replaced(Ini("exit", ""), "pic.bmp", "B\xC3\xA9.bmp")},
            {"B\xE9.bmp", Picture()}};
}

std::vector<BrokenFolder> BrokenFolders() {
    const std::string utf16Ini = [] {
        const std::string ini = Ini("exit", "");
        std::string wide = "\xFF\xFE";
        for (char c : ini)
            wide += std::string{c, '\0'};
        return wide;
    }();
    return {
        {"Sound", {{"Setup.ini", Ini("exit", "")}, {"pic.bmp", Picture()}}, {}, 0},
        {"PictureMissing", {{"Setup.ini", Ini("exit", "")}}, {At(2, "error")}, 1},
        // A common laptop shows 1366 x 728 of a window.
        {"PictureAsLargeAsALaptopShows", ExitOn(Picture(1366, 728)), {}, 0},
        {"PictureWiderThanALaptopShows", ExitOn(Picture(1367, 100)), {At(2, "warning")}, 0},
        {"PictureTallerThanALaptopShows", ExitOn(Picture(200, 729)), {At(2, "warning")}, 0},
        // Beside pic.bmp (200 x 100): a picture for 150 % of 300 x 150, one for 200 % that is not.
        {"ScaledPictures",
         {{"Setup.ini", Ini("exit", "")},
          {"pic.bmp", Picture()},
          {"pic.scale-150.bmp", Picture(300, 150)},
          {"pic.scale-200.bmp", Picture(400, 199)}},
         {At(2, "warning")},
         0},
        {"PictureUndecodable",
         {{"Setup.ini", Ini("exit", "")}, {"pic.bmp", "BM not a picture"}},
         {At(2, "error")},
         1},
        {"TargetFound",
         {{"Setup.ini", Ini("open", "docs\\$LANGUAGE.txt")},
          {"pic.bmp", Picture()},
          {"docs\\EN.txt", "read me"}},
         {},
         0},
        {"TargetMissingInOneLanguage",
         {{"Setup.ini", Ini("open", "docs\\$LANGUAGE.txt") + Texts("FR")},
          {"pic.bmp", Picture()},
          {"docs\\EN.txt", "read me"}},
         {At(7, "error")},
         1},
        {"WebAddressNotTested",
         {{"Setup.ini", Ini("open", "https://example.com/?l=$LANGUAGE")}, {"pic.bmp", Picture()}},
         {},
         0},
        {"UrlWithSwitches",
         {{"Setup.ini", Ini("open", "setup.exe /q")}, {"pic.bmp", Picture()}, {"setup.exe", "MZ"}},
         {At(7, "error")},
         1},
        {"UnknownAction",
         {{"Setup.ini", Ini("run", "x")}, {"pic.bmp", Picture()}},
         {At(6, "error")},
         1},
        {"LicenceAndTargetPresent",
         {{"Setup.ini", WithEulaRoot(Ini("clickThru", "setup.exe"))},
          {"pic.bmp", Picture()},
          {"setup.exe", "MZ"},
          {"Eula\\EN\\License.rtf", kRtf}},
         {},
         0},
        // eulaRoot outside [main] names nothing: the licence is looked for in \EN\.
        {"LicenceMissing",
         {{"Setup.ini", Ini("clickThru", "setup.exe", "[other]\neulaRoot=Eula\n")},
          {"pic.bmp", Picture()},
          {"setup.exe", "MZ"},
          {"Eula\\EN\\License.rtf", kRtf}},
         {At(24, "error")},
         1},
        {"LicenceNotRtf",
         {{"Setup.ini", WithEulaRoot(Ini("clickThru", "setup.exe"))},
          {"pic.bmp", Picture()},
          {"setup.exe", "MZ"},
          {"Eula\\EN\\License.rtf", "\xEF\xBB\xBF{\\rtf1 Terms.}"}},
         {At(23, "error")},
         1},
        {"DatabaseInstallerWithoutExtension",
         {{"Setup.ini", Ini("sqlexpress", "setup\\db")},
          {"pic.bmp", Picture()},
          {"setup\\db.exe", "MZ"}},
         {},
         0},
        {"DatabaseInstallerInTheSystemFolder",
         {{"Setup.ini", Ini("sqlexpress", "msiexec.exe")}, {"pic.bmp", Picture()}},
         {},
         0},
        {"LogFileOutsideQuotes",
         {{"Setup.ini",
           Replaced(Ini("sqlexpress", "msiexec.exe"), "height", "args=/log=$LOGFILE\nheight")},
          {"pic.bmp", Picture()}},
         {At(11, "warning")},
         0},
        {"PasswordOutsideQuotes",
         {{"Setup.ini", Replaced(Ini("sqlexpress", "msiexec.exe"), "height",
                                 "args=/log=\"$LOGFILE\" /sa=$PASSWORD\nheight")},
          {"pic.bmp", Picture()}},
         {At(11, "warning")},
         0},
        {"LogFileAndPasswordQuoted",
         {{"Setup.ini", Replaced(Ini("sqlexpress", "msiexec.exe"), "height",
                                 "args=/log=\"$LOGFILE\" /sa=\"$PASSWORD\"\nheight")},
          {"pic.bmp", Picture()}},
         {},
         0},
        {"DatabaseInstallerMissing",
         {{"Setup.ini", Ini("sqlexpress", "setup\\db_$LANGUAGE.exe")}, {"pic.bmp", Picture()}},
         {At(7, "error")},
         1},
        {"SubformWithoutButtons",
         {{"Setup.ini", Ini("subform", "more", "[more]\nbuttonCount=0\n")}, {"pic.bmp", Picture()}},
         {At(12, "error")},
         1},
        {"SubformNamingNoSection",
         {{"Setup.ini", Ini("subform", "nowhere")}, {"pic.bmp", Picture()}},
         {At(7, "error")},
         1},
        {"SubformCycle",
         {{"Setup.ini", Ini("subform", "more",
                            "[more]\nbuttonCount=1\n[more.button1]\nlabel=IDS_GO\n"
                            "action=subform\nurl=MAIN\nwidth=5\nheight=5\n")},
          {"pic.bmp", Picture()}},
         {At(17, "note")},
         0},
        {"CaptionMissingInOneLanguage",
         {{"Setup.ini", Ini("exit", "") + "[DE]\nIDS_FILENOTFOUND=%1 fehlt.\n"},
          {"pic.bmp", Picture()}},
         {At(5, "warning")},
         0},
        {"FixedTextMissing",
         {{"Setup.ini", Ini("sqlexpress", "db.exe") + "[fr]\nIDS_GO=Aller\nIDS_FILENOTFOUND=%1\n"},
          {"pic.bmp", Picture()},
          {"db.exe", "MZ"}},
         // One finding for each of the seven other texts of the password dialog.
         std::vector<PrintedFinding>(7, At(29, "warning")),
         0},
        {"NotFoundTextWithoutInsert",
         {{"Setup.ini", Ini("exit", "") + "[IT]\nIDS_GO=Vai\nIDS_FILENOTFOUND=Manca.\n"},
          {"pic.bmp", Picture()}},
         {At(31, "error")},
         1},
        {"ButtonOutsideThePictureAndOverlapping",
         {{"Setup.ini", Replaced(Ini("exit", ""), "buttonCount=1", "buttonCount=3") +
                            "[main.button2]\naction=exit\nx=190\ny=10\nwidth=20\nheight=20\n"
                            "[main.button3]\naction=exit\nx=40\ny=20\nwidth=20\nheight=20\n"},
          {"pic.bmp", Picture()}},
         {At(29, "warning"), At(35, "warning")},
         0},
        {"TooManyButtons",
         {{"Setup.ini", Replaced(Ini("exit", ""), "buttonCount=1", "buttonCount=12")},
          {"pic.bmp", Picture()}},
         {At(3, "warning"), At(3, "warning")},
         0},
        {"ButtonCountAboveTheSections",
         {{"Setup.ini", Replaced(Ini("exit", ""), "buttonCount=1", "buttonCount=2")},
          {"pic.bmp", Picture()}},
         {At(3, "warning")},
         0},
        {"VersionPastTheRightEdge",
         {{"Setup.ini",
           Replaced(Ini("exit", ""), "[main]\n", "[main]\nversionNumber=1.0\nversionX=160\n")},
          {"pic.bmp", Picture()}},
         {At(3, "warning")},
         0},
        {"LongFaceName",
         {{"Setup.ini", Ini("exit", "", "font=" + std::string(32, 'F') + "\n")},
          {"pic.bmp", Picture()}},
         {At(12, "warning")},
         0},
        {"LongValue",
         {{"Setup.ini", Ini("exit", "") + "IDS_LONG=" + std::string(300, 'a') + "\n"},
          {"pic.bmp", Picture()}},
         {At(29, "warning")},
         0},
        {"Utf8WithMark",
         {{"Setup.ini", "\xEF\xBB\xBF" + Ini("exit", "")}, {"pic.bmp", Picture()}},
         {At(1, "warning")},
         0},
        {"Utf16", {{"Setup.ini", utf16Ini}, {"pic.bmp", Picture()}}, {At(1, "warning")}, 0},
        // Values read as the launcher reads UTF-8: the picture's name in the
        // code page, [main] found right after the mark.
        {"Utf8WithoutMark", Utf8Folder(""), {}, 0},
        {"Utf8WithMarkBeforeTheFirstSection", Utf8Folder("\xEF\xBB\xBF"), {At(1, "warning")}, 0},
        // U+0151 is no character of code page 1252, U+00E9 none of 932; U+20AC is one of 1252.
        {"Utf8TextsTheirSystemsCannotSpell",
         {{"Setup.ini", Ini("exit", "") +
                            "[FR]\nIDS_GO=\xE2\x82\xAC \xC5\x91\n[JA]\nIDS_GO=Caf\xC3\xA9\n"
                            "[NL]\nIDS_GO=\xC5\x91\n"},
          {"pic.bmp", Picture()}},
         {At(30, "warning"), At(32, "warning")},
         0},
        {"CodePageTextsNotJudged",
         {{"Setup.ini", Ini("exit", "") + "[JA]\nIDS_GO=Caf\xE9\n"}, {"pic.bmp", Picture()}},
         {},
         0},
        {"NoSetupIni", {{"pic.bmp", Picture()}}, {At(0, "error")}, 1},
    };
}

class BrokenFolderTest : public ::testing::TestWithParam<BrokenFolder> {};

TEST_P(BrokenFolderTest, PrintsItsFindingsAndExitStatus) {
    const BrokenFolder& broken = GetParam();
    TestFolder folder;
    for (const auto& [name, bytes] : broken.files)
        folder.Write(name, bytes);
    const CheckRun run = RunSetupcheck({folder.path()});
    EXPECT_EQ(FindingsOf(run.output), broken.findings) << run.output;
    EXPECT_EQ(run.exitStatus, broken.exitStatus) << run.output;
}

INSTANTIATE_TEST_SUITE_P(Folders, BrokenFolderTest, ::testing::ValuesIn(BrokenFolders()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Utf8Texts, NameEachCharacterTheirSystemsCannotSpellOnce) {
    TestFolder folder;
    folder.Write("Setup.ini", Ini("exit", "") + "[JA]\nIDS_GO=\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\n");
    folder.Write("pic.bmp", Picture());
    const std::string output = RunSetupcheck({folder.path()}).output;
    EXPECT_NE(output.find("holds U+00E9, U+20AC, which Japanese systems (code page 932)"),
              std::string::npos)
        << output;
}

TEST(SampleFolder, HasNoError) {
    const CheckRun run = RunSetupcheck({TestProgramFolder() + "demo"});
    EXPECT_EQ(run.exitStatus, 0u) << run.output;
    for (const PrintedFinding& finding : FindingsOf(run.output))
        EXPECT_NE(finding.severity, "error") << run.output;
    EXPECT_NE(run.output.find("0 errors"), std::string::npos) << run.output;
}

TEST(Usage, MoreThanOneFolderOrNoFolderIsBadUsage) {
    EXPECT_EQ(RunSetupcheck({"a", "b"}).exitStatus, 2u);
    EXPECT_EQ(RunSetupcheck({TestProgramFolder() + "no such folder"}).exitStatus, 2u);
}

} // namespace
