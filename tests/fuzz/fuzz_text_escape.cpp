// The line-break escape over any text and code page.
#include "app/text_escape.h"

#include "fuzz/fuzz_input.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const LeadByteTable leadBytes = ConsumeLeadBytes(input);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::string expanded = ExpandLineBreaks(text, leadBytes);
    // Each escape shrinks two bytes to one line feed.
    const auto feeds = [](const std::string& s) { return std::count(s.begin(), s.end(), '\n'); };
    const auto added = feeds(expanded) - feeds(text);
    Require(added >= 0 && expanded.size() + static_cast<std::size_t>(added) == text.size());
    return 0;
}
