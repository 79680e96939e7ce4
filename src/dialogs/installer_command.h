// The command line of the database installer run and the files named in it.
#pragma once

#include "app/lead_bytes.h"

#include <string>

// Both live in the temporary folder.
constexpr const char* kCommandFileName = "SQLExpress_Setup.bat";
constexpr const char* kLogFileName = "SQLExpress_Setup.log";

// What the command line is made of, by reference so that the password is not
// copied. The program and argument texts are as configured, tokens still in them.
struct InstallerCommandTexts {
    const std::string& program;   // may hold "$LANGUAGE"
    const std::string& arguments; // may hold "$LOGFILE" and "$PASSWORD"
    const std::string& language;
    const std::string& password;
    const std::string& logPath;
};

// "\"program\" arguments" with each token replaced only in its own text:
// "$LOGFILE", then "$PASSWORD" (verbatim, unquoted) in the arguments, and
// "$LANGUAGE" in the program.
std::string BuildInstallerCommandLine(const InstallerCommandTexts& texts,
                                      const LeadByteTable& leadBytes);

// A command line that starts with a quoted program, split as the platform
// reads it when it is given no separate program name: the program runs up to
// the next quote, the parameters are the rest without the blanks before them.
// Anything else splits into nothing.
struct CommandLineParts {
    std::string program;
    std::string parameters;
};
CommandLineParts SplitQuotedCommandLine(const std::string& commandLine);
