// The designer's document over any bytes: written back exactly; an edit reads
// back as made and leaves every other section as it read; what it writes reads
// back the same.
#include "ini_document.h"
#include "ini_line_index.h"
#include "utf16_text.h"

#include "fuzz/fuzz_input.h"

#include <tuple>

namespace {

using Entries = std::vector<std::tuple<std::string, std::string, std::optional<std::string>>>;

// A name or value as the document holds it: a UTF-16 file holds UTF-8.
std::string Held(const IniDocument& document, const std::string& text) {
    return document.Encoding() == IniEncoding::kUtf16WithMark ? Utf16LeToUtf8(Utf8ToUtf16Le(text))
                                                              : text;
}

// Every listed key of every section but the given ones, with its value.
Entries EntriesBesides(const IniDocument& document, const std::vector<std::string>& besides) {
    Entries entries;
    for (const std::string& section : document.SectionNames()) {
        bool skipped = false;
        for (const std::string& name : besides)
            skipped = skipped || SameIniName(section, Held(document, IniQueryName(name)));
        for (const std::string& key : document.KeyNames(section))
            if (!skipped)
                entries.emplace_back(section, key, document.Value(section, key));
    }
    return entries;
}

// What SetValue is expected to leave: the value up to its first line end.
std::optional<std::string> ExpectedValue(const IniDocument& before, const std::string& section,
                                         const std::string& key, const std::string& value) {
    const std::string line = Held(before, value.substr(0, value.find_first_of({'\r', '\n', 0})));
    const std::string name = IniQueryName(key);
    if (before.Value(section, key))
        return !name.empty() && name[0] == '[' && line.find(']') != std::string::npos
                   ? before.Value(section, key) // the line would become a header: refused
                   : line;
    if (IniDocument::IsWritableSection(section) && IniDocument::IsWritableKey(key))
        return line;
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int edit = input.ConsumeIntegralInRange(0, 3);
    const std::string section = input.ConsumeRandomLengthString(12);
    const std::string key = input.ConsumeRandomLengthString(12);
    const std::string value = input.ConsumeRandomLengthString(24);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    IniDocument document = IniDocument::FromBytes(bytes);
    Require(document.ToBytes() == bytes);
    // Every name listed is found, but for one whose blanks stood before a zero
    // byte: a name asked for is trimmed, so it is never found (nor by the
    // profile functions).
    for (const std::string& name : document.SectionNames()) {
        Require(document.HasSection(name) || IniQueryName(name) != name);
        for (const std::string& listed : document.KeyNames(name))
            Require(document.Value(name, listed) || IniQueryName(listed) != listed ||
                    IniQueryName(name) != name);
    }

    const IniDocument before = document;
    std::vector<std::string> touched = {section};
    switch (edit) {
    case 0:
        document.SetValue(section, key, value);
        Require(document.Value(section, key) == ExpectedValue(before, section, key, value));
        break;
    case 1:
        document.RemoveKey(section, key);
        Require(!document.Value(section, key));
        break;
    case 2:
        document.RemoveSection(section);
        Require(!document.HasSection(section));
        break;
    default:
        touched.push_back(key);
        document.RenameSection(section, key);
        // A section renamed to a name no header has reads as it read before.
        if (before.LineOf(section) != 0 && before.LineOf(key) == 0 &&
            IniDocument::IsWritableSection(key)) {
            Require(document.LineOf(key) == before.LineOf(section));
            Require(document.KeyNames(key) == before.KeyNames(section));
        }
        break;
    }
    Require(EntriesBesides(document, touched) == EntriesBesides(before, touched));
    const std::string written = document.ToBytes();
    const IniDocument reread = IniDocument::FromBytes(written);
    Require(reread.ToBytes() == written);
    Require(EntriesBesides(reread, {}) == EntriesBesides(document, {}));
    return 0;
}
