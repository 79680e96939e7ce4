// The run's language from any argument, system answer and code page.
#include "app/language.h"

#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const LeadByteTable leadBytes = ConsumeLeadBytes(input);
    const bool systemAnswered = input.ConsumeBool();
    const std::string argument = input.ConsumeRandomLengthString(8);
    const std::string isoName = input.ConsumeRandomLengthString(16);

    const std::string fromArgument = LanguageFromArgument(argument);
    Require(fromArgument.empty() || fromArgument == argument);
    Require(UpperCaseMultibyte(isoName, leadBytes).size() == isoName.size());

    const std::optional<std::string> systemName =
        systemAnswered ? std::optional<std::string>(isoName) : std::nullopt;
    const RunLanguage run = ResolveLanguage(fromArgument, systemName, leadBytes);
    // Every run has an identifier and a name, known language or not.
    Require(run.langId.size() == 4 && !run.installLang.empty());
    return 0;
}
