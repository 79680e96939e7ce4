// A label's text format over any style and text.
#include "controls/static_text_format.h"

#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint32_t style = input.ConsumeIntegral<std::uint32_t>();
    const std::string text = input.ConsumeRemainingBytesAsString();

    const unsigned format = StaticTextFormat(style, text);
    // A single line is never broken at words.
    Require(!((format & text_format::kSingleLine) && (format & text_format::kWordBreak)));
    return 0;
}
