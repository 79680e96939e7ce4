#include "dialogs/installer_command.h"

#include "app/paths.h"
#include "dialogs/installer_program.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct CommandCase {
    const char* program;
    const char* arguments;
    const char* tempFolder;
    const char* expected;
};

TEST(InstallerCommand, EachTokenIsReplacedInItsOwnTextOnly) {
    const CommandCase cases[] = {
        {"D:\\sql\\$LANGUAGE\\setup.exe", "/q /log=\"$LOGFILE\" /sa=$PASSWORD", "C:\\Temp\\",
         "\"D:\\sql\\EN\\setup.exe\" /q /log=\"C:\\Temp\\SQLExpress_Setup.log\" /sa=Pa ss\"9"},
        // "$PASSWORD" twice; "$LANGUAGE" stays in the arguments, the others in the program.
        {"setup_$LOGFILE_$PASSWORD.exe", "$PASSWORD,$PASSWORD $LANGUAGE", "C:\\Temp",
         "\"setup_$LOGFILE_$PASSWORD.exe\" Pa ss\"9,Pa ss\"9 $LANGUAGE"},
        // No temporary folder: the log file is named alone.
        {"setup.exe", "$LOGFILE", "", "\"setup.exe\" SQLExpress_Setup.log"},
        {"setup.exe", "", "", "\"setup.exe\" "},
    };
    const std::string language = "EN";
    const std::string password = "Pa ss\"9";
    for (const CommandCase& c : cases) {
        const std::string program = c.program;
        const std::string arguments = c.arguments;
        const std::string logPath = JoinPath(c.tempFolder, kLogFileName, LeadByteTable());
        EXPECT_EQ(BuildInstallerCommandLine({program, arguments, language, password, logPath},
                                            LeadByteTable()),
                  c.expected);
    }
}

TEST(ResolveInstallerProgram, LooksOnlyInTheLaunchersAndTheSystemFolders) {
    LeadByteTable sjis;
    sjis.SetLeadByte(0x95);
    const std::vector<std::string> system = {"C:\\win\\system32", "", "C:\\win"};
    const std::set<std::string> files = {
        "D:\\cd\\setup\\db.exe", "D:\\cd\\db.exe",  "C:\\win\\system32\\msiexec.exe",
        "C:\\win\\notepad.exe",  "E:\\x\\tool.exe", "D:\\cd\\\x95\x5C.exe"};
    const struct {
        const char* program;
        const char* found;
    } cases[] = {
        {"setup\\db.exe", "D:\\cd\\setup\\db.exe"},
        {"setup\\db", "D:\\cd\\setup\\db.exe"},
        {"db", "D:\\cd\\db.exe"},
        // Bare names only reach the system folders, in their order.
        {"msiexec.exe", "C:\\win\\system32\\msiexec.exe"},
        {"notepad", "C:\\win\\notepad.exe"},
        {"setup\\msiexec.exe", ""},
        // Rooted paths are taken as written, relative ones never from the current folder.
        {"E:\\x\\tool", "E:\\x\\tool.exe"},
        {"\\x\\tool.exe", ""},
        {"planted.exe", ""},
        {"D:\\cd\\", ""},
        {"", ""},
        // A trail byte 0x5C is no separator: still a bare name.
        {"\x95\x5C", "D:\\cd\\\x95\x5C.exe"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            ResolveInstallerProgram(c.program, "D:\\cd\\", system, sjis,
                                    [&](const std::string& path) { return files.count(path) > 0; }),
            c.found)
            << c.program;
}

} // namespace
