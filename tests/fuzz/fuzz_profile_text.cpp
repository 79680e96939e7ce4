// Telling the kind of any text and finding a value in it, as the launcher
// reads a UTF-8 Setup.ini.
#include "app/ini_encoding.h"
#include "app/profile_text.h"

#include "fuzz/fuzz_input.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(16);
    const std::string key = input.ConsumeRandomLengthString(16);
    const std::string text = input.ConsumeRemainingBytesAsString();

    Require(DetectIniEncoding(text) != IniEncoding::kUtf8 ||
            std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; }));
    // A value is a piece of one line of the text.
    const auto value = FindProfileValue(text, section.c_str(), key.c_str());
    Require(!value || value->empty() ||
            (value->data() >= text.data() && value->data() + value->size() <= &*text.end() &&
             value->find('\n') == std::string_view::npos));
    ProfileInteger(value ? std::string(*value) : std::string(), 0);
    return 0;
}
