// The installer's command line built from any configured texts and entry, and
// split as the platform reads it.
#include "dialogs/installer_command.h"

#include "app/tokens.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const LeadByteTable leadBytes = ConsumeLeadBytes(input);
    const std::string program = input.ConsumeRandomLengthString(64);
    const std::string arguments = input.ConsumeRandomLengthString(128);
    const std::string language = input.ConsumeRandomLengthString(4);
    const std::string password = input.ConsumeRandomLengthString(32);
    const std::string logPath = input.ConsumeRemainingBytesAsString();

    const InstallerCommandTexts texts{program, arguments, language, password, logPath};
    const std::string commandLine = BuildInstallerCommandLine(texts, leadBytes);
    // A program without quotes of its own comes back whole.
    const std::string expectedProgram = ReplaceToken(program, "$LANGUAGE", language, leadBytes);
    const CommandLineParts parts = SplitQuotedCommandLine(commandLine);
    if (expectedProgram.find('"') == std::string::npos)
        Require(parts.program == expectedProgram);
    Require(parts.program.size() + parts.parameters.size() <= commandLine.size());

    const CommandLineParts anyParts = SplitQuotedCommandLine(logPath);
    Require(anyParts.program.size() + anyParts.parameters.size() <= logPath.size());
    return 0;
}
