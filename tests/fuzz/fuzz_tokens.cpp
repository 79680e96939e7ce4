// Token replacement and search over any text, token, value and code page.
#include "app/tokens.h"

#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const LeadByteTable leadBytes = ConsumeLeadBytes(input);
    const std::string token = input.ConsumeRandomLengthString(16);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::string replaced = ReplaceToken(text, token, value, leadBytes);
    // A token replaced by itself changes nothing; one not found is not replaced.
    Require(ReplaceToken(text, token, token, leadBytes) == text);
    if (!ContainsText(text, token, leadBytes))
        Require(replaced == text);
    Require(ContainsText(text, "", leadBytes));
    return 0;
}
