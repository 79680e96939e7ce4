#include "dialogs/installer_command.h"

#include "app/paths.h"

#include <gtest/gtest.h>

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
        const std::string logPath = JoinPath(c.tempFolder, kLogFileName);
        EXPECT_EQ(BuildInstallerCommandLine({program, arguments, language, password, logPath},
                                            LeadByteTable()),
                  c.expected);
    }
}

} // namespace
