// The button action core over any configured word, target and shell answer.
#include "forms/button_actions.h"

#include "app/paths.h"

#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const LeadByteTable leadBytes = ConsumeLeadBytes(input);
    const long long shellResult = input.ConsumeIntegral<long long>();
    const bool programCopyExists = input.ConsumeBool();
    const bool targetExists = input.ConsumeBool();
    const std::string word = input.ConsumeRandomLengthString(16);
    const RunLanguage values{input.ConsumeRandomLengthString(8), input.ConsumeRandomLengthString(8),
                             input.ConsumeRandomLengthString(16)};
    const std::string folder = input.ConsumeRandomLengthString(300);
    const std::string target = input.ConsumeRemainingBytesAsString();

    const ButtonAction action = ParseButtonAction(word, leadBytes);
    Require(action == ButtonAction::kUnknown || word.size() <= 10);
    if (IsWebAddress(target, leadBytes))
        Require(target.find("http") != std::string::npos);
    const std::string expanded = ExpandLanguageTokens(target, values, leadBytes);

    // The program's copy is asked about first; with no folder both are one path.
    const std::string inProgramFolder = JoinPath(folder, expanded, leadBytes);
    const bool asWrittenExists = inProgramFolder == expanded ? programCopyExists : targetExists;
    const ResolvedTarget resolved =
        ResolveTarget(expanded, folder, leadBytes, [&](const std::string& path) {
            return path == inProgramFolder ? programCopyExists : targetExists;
        });
    Require(resolved.found == (programCopyExists || asWrittenExists));
    Require(resolved.path == (programCopyExists || !asWrittenExists ? inProgramFolder : expanded));

    const LaunchError error = ClassifyLaunchResult(shellResult);
    Require((error == LaunchError::kNone) == (shellResult > 32));
    return 0;
}
