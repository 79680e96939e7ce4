#include "dialogs/installer_command.h"

#include "app/tokens.h"
#include "dialogs/password_rules.h"

std::string BuildInstallerCommandLine(const InstallerCommandTexts& texts,
                                      const LeadByteTable& leadBytes) {
    const std::string withLog = ReplaceToken(texts.arguments, "$LOGFILE", texts.logPath, leadBytes);
    std::string arguments = ReplaceToken(withLog, "$PASSWORD", texts.password, leadBytes);
    const std::string program = ReplaceToken(texts.program, "$LANGUAGE", texts.language, leadBytes);
    std::string commandLine = "\"" + program + "\" " + arguments;
    WipeSecret(arguments);
    return commandLine;
}

CommandLineParts SplitQuotedCommandLine(const std::string& commandLine) {
    CommandLineParts parts;
    if (commandLine.empty() || commandLine[0] != '"')
        return parts;
    size_t programEnd = commandLine.find('"', 1);
    if (programEnd == std::string::npos)
        programEnd = commandLine.size();
    parts.program = commandLine.substr(1, programEnd - 1);
    const size_t rest = commandLine.find_first_not_of(" \t", programEnd + 1);
    if (rest != std::string::npos && programEnd < commandLine.size())
        parts.parameters = commandLine.substr(rest);
    return parts;
}
